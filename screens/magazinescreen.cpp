// The magazine screen's layout.
#include "magazinescreen.h"

#include "gigs/review.h"
#include "theme.h"
#include "widgets.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QVBoxLayout>

namespace quorvane {

using namespace widgets;

namespace {

// Whether every letter of a face takes the same room, judged by what it draws: Qt's own flag
// is false for some faces that are monospaced.
bool monospaced(const QFont& font) {
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(QLatin1Char('m'));
    for (const char c : {'i', 'W', '.', ' '})
        if (metrics.horizontalAdvance(QLatin1Char(c)) != width) return false;
    return true;
}

// The typewriter face of the article: Courier New where the system has it or a face that
// stands in for it, else the system's own fixed-pitch face.
QFont typewriter(double points) {
    QFont courier("Courier New");
    courier.setPointSizeF(points);
    courier.setStyleHint(QFont::TypeWriter);
    if (monospaced(courier)) return courier;
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(points);
    return fixed;
}

} // namespace

MagazineScreen::MagazineScreen(Game& game, std::function<void()> refresh)
    : GameWindow(game, std::move(refresh)) {
    setObjectName("thenewspaper");
    setAccessibleName("Music magazine");
    setStyleSheet(theme::magazine());

    auto* masthead = label(this, "Label3", "MUSIC FANS MAGAZINE");
    masthead->setAlignment(Qt::AlignCenter);
    masthead->setFont(designfont(QFont("Georgia"), 22, QFont::Black));

    auto* sheet = frame(this);
    auto* column = new QVBoxLayout(sheet);
    txtnews_ = label(sheet, "txtnews");
    txtnews_->setFont(typewriter(theme::scaled(11)));
    txtnews_->setWordWrap(true);
    txtnews_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    txtnews_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(txtnews_);

    auto* ok = button(this, "Label2", "OK");
    ok->setMinimumWidth(120);

    auto* layout = new QVBoxLayout(page());
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(12);
    layout->addWidget(masthead);
    layout->addWidget(sheet, 1);
    layout->addWidget(ok, 0, Qt::AlignRight);
    wire(ok, closemagazine);
    escapeclicks(ok);
    ok->setFocus();
    fitcontent(QSize(520, 400));
}

void MagazineScreen::sync() {
    if (!game_.magazine) return;
    txtnews_->setText(breakable(qt(game_.magazine->txtnews)));
    setAccessibleDescription(qt(game_.magazine->txtnews)); // read as the page comes up
    fitlines(); // the review's lines at the player's font
}

void MagazineScreen::closeEvent(QCloseEvent* event) {
    event->ignore();
    run(closemagazine);
}

} // namespace quorvane
