// The magazine screen's layout.
#include "magazinescreen.h"

#include "gigs/review.h"
#include "theme.h"
#include "widgets.h"

#include <QCloseEvent>
#include <QVBoxLayout>

namespace quorvane {

using namespace widgets;

MagazineScreen::MagazineScreen(Game& game, std::function<void()> refresh)
    : GameWindow(game, std::move(refresh)) {
    setObjectName("thenewspaper");
    setStyleSheet(theme::magazine());
    setFixedSize(520, 400);

    auto* masthead = label(this, "Label3", "MUSIC FANS MAGAZINE");
    masthead->setAlignment(Qt::AlignCenter);
    masthead->setFont(QFont("Georgia", 22, QFont::Black));

    auto* page = frame(this);
    auto* column = new QVBoxLayout(page);
    txtnews_ = label(page, "txtnews");
    QFont courier("Courier New", 11);
    courier.setStyleHint(QFont::TypeWriter);
    txtnews_->setFont(courier);
    txtnews_->setWordWrap(true);
    txtnews_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    txtnews_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(txtnews_);

    auto* ok = button(this, "Label2", "OK");
    ok->setMinimumWidth(120);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(12);
    layout->addWidget(masthead);
    layout->addWidget(page, 1);
    layout->addWidget(ok, 0, Qt::AlignRight);
    wire(ok, closemagazine);
    escapeclicks(ok);
    ok->setFocus();
}

void MagazineScreen::sync() {
    if (game_.magazine) txtnews_->setText(qt(game_.magazine->txtnews));
}

void MagazineScreen::closeEvent(QCloseEvent* event) {
    event->ignore();
    run(closemagazine);
}

} // namespace quorvane
