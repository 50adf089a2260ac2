// The record-deal screen's layout.
#include "recorddealscreen.h"

#include "career/recorddeal.h"
#include "theme.h"
#include "widgets.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace quorvane {

using namespace widgets;

RecordDealScreen::RecordDealScreen(Game& game, std::function<void()> refresh)
    : GameWindow(game, std::move(refresh)) {
    setObjectName("Form2");
    setAccessibleName("Record deal");
    setStyleSheet(theme::recorddeal());

    auto* heading = label(this, "Label1", "CONGRATULATIONS!");
    heading->setAlignment(Qt::AlignCenter);
    heading->setFont(designfont(heading->font(), 24, QFont::Black));

    auto* card = frame(this);
    auto* column = new QVBoxLayout(card);
    column->setContentsMargins(18, 16, 18, 16);
    txt_ = label(card, "txt");
    txt_->setWordWrap(true);
    txt_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    column->addWidget(txt_);

    auto* answers = frame(this);
    answers->setObjectName("answers");
    auto* row = new QHBoxLayout(answers);
    auto* yes = button(answers, "Label3", "YES");
    auto* no = button(answers, "Label2", "NO");
    for (QPushButton* b : {yes, no})
        b->setMinimumWidth(140);
    row->addStretch(1);
    row->addWidget(yes);
    row->addWidget(no);
    row->addStretch(1);

    auto* layout = new QVBoxLayout(page());
    layout->setContentsMargins(20, 18, 20, 18);
    layout->setSpacing(12);
    layout->addWidget(heading);
    layout->addWidget(card, 1);
    layout->addWidget(answers);
    wire(yes, acceptnewband);
    wire(no, declinenewband);
    yes->setFocus();
    fitcontent(QSize(520, 420));
}

void RecordDealScreen::sync() {
    if (!game_.recorddeal) return;
    txt_->setText(breakable(qt(game_.recorddeal->txt)));
    setAccessibleDescription(qt(game_.recorddeal->txt)); // read as the offer comes up
    fitlines();                                          // the offer's lines at the player's font
}

void RecordDealScreen::closeEvent(QCloseEvent* event) {
    event->ignore();
    run(declinenewband);
}

} // namespace quorvane
