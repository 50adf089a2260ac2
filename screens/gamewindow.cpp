// The frame every screen's window shares: its size at the player's font and screen, and the
// keys every screen answers alike.
#include "gamewindow.h"

#include <QLayout>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace quorvane {

GameWindow::GameWindow(Game& game, std::function<void()> refresh)
    : game_(game), refresh_(std::move(refresh)) {
    setWindowTitle("Quorvane");
    setAttribute(Qt::WA_StyledBackground);
    // The content sits on a page, which scrolls if ever the window cannot show it whole on
    // the player's screen.
    frame_ = new QVBoxLayout(this);
    frame_->setContentsMargins(QMargins());
    page_ = new QWidget(this);
    page_->setObjectName("page");
    frame_->addWidget(page_);
}

void GameWindow::fitwithin(QSize room) {
    room_ = room;
    settle();
}

void GameWindow::fitcontent(QSize drawn) {
    ensurePolished(); // the sheets' sizes of text count
    drawn_ = drawn;
    content_ = page_->sizeHint().expandedTo(drawn);
    fitlines();
}

void GameWindow::fitlines() {
    const QLayout* lines = page_->layout();
    if (lines->hasHeightForWidth())
        content_.setHeight(std::max(drawn_.height(), lines->totalHeightForWidth(content_.width())));
    settle();
}

void GameWindow::settle() {
    page_->setMinimumSize(content_);
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    bool across = false; // a bar along the bottom
    bool down = false;   // a bar down the side
    // One bar can leave the other way short of room.
    for (int look = 0; look < 2; ++look) {
        across = content_.width() + (down ? bar : 0) > room_.width();
        down = content_.height() + (across ? bar : 0) > room_.height();
    }
    if ((across || down) && !scroll_) scrollpage();
    const QSize wanted = content_ + QSize(down ? bar : 0, across ? bar : 0);
    setFixedSize(wanted.boundedTo(room_));
}

// Made only for a window that needs it: most never do, and start lighter without one.
void GameWindow::scrollpage() {
    scroll_ = new QScrollArea(this);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setFocusPolicy(Qt::NoFocus); // Tab goes to the controls, and scrolls to them
    scroll_->setWidgetResizable(true);
    scroll_->viewport()->setAutoFillBackground(false); // the window's background shows through
    frame_->removeWidget(page_);
    scroll_->setWidget(page_);
    page_->setAutoFillBackground(false); // set by the scroll area
    frame_->addWidget(scroll_);
}

void GameWindow::keyPressEvent(QKeyEvent* event) {
    auto* focused = qobject_cast<QAbstractButton*>(focusWidget());
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && focused) {
        focused->click();
    } else if (event->key() == Qt::Key_Escape && escape_ && escape_->isEnabled()) {
        escape_->click();
    } else {
        QWidget::keyPressEvent(event);
    }
}

} // namespace quorvane
