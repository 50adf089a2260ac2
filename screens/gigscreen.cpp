// The gig screen's layout and the calls behind its controls.
#include "gigscreen.h"

#include "gigs/booking.h"
#include "gigs/rating.h"
#include "theme.h"
#include "widgets.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <utility>

namespace quorvane {

using namespace widgets;

namespace {

bool openslist(const QKeyEvent& key) {
    switch (key.key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true;
    default:
        return key.text().size() == 1 && key.text()[0].isPrint() && !key.text()[0].isSpace();
    }
}

} // namespace

GigScreen::GigScreen(Game& game, std::function<void()> refresh)
    : GameWindow(game, std::move(refresh)) {
    setObjectName("gig");
    setAccessibleName("Gig booking");
    setStyleSheet(theme::gig());

    auto* grid = new QGridLayout(page());
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setSpacing(12);
    grid->addWidget(buildvenues(), 0, 0);
    grid->addWidget(buildtracks(), 0, 1);
    grid->addWidget(buildbuttons(), 1, 0, 1, 2);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 3);
    grid->setRowStretch(0, 1);
    fitcontent(QSize(640, 420));
}

QWidget* GigScreen::buildvenues() {
    auto* box = frame(this);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(heading(box, "Label16", "CHOOSE LOCATION"));
    location_ = new QButtonGroup(box);
    const char* venues[] = {"The Rose and Crown", "The Queens Head", "Town Hall", "Nitro Nightclub",
                            "The Plaza Music Hall"};
    for (int i = 0; i < venuecount; ++i) {
        auto* option = new QRadioButton(venues[i], box);
        option->setObjectName(QString("location%1").arg(i));
        location_->addButton(option, i);
        layout->addWidget(option);
    }
    layout->addStretch(1);
    apply_ = button(box, "command1", "APPLY");
    layout->addWidget(apply_);
    arrowsmovefocus(location_);
    connect(location_, &QButtonGroup::idClicked, this,
            [this](int index) { run([index](Game& game) { choosevenue(game, index); }); });
    wire(apply_, applyforgig);
    return box;
}

QWidget* GigScreen::buildtracks() {
    auto* box = frame(this);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(heading(box, "Label2", "CHOOSE TRACKS"));
    auto* hint = label(box, "Label1", "Choose the six tracks you are going to play.");
    hint->setWordWrap(true);
    layout->addWidget(hint);
    picker_ = new QComboBox(box);
    picker_->setObjectName("Combo1");
    picker_->setAccessibleName("Tracks to play");
    picker_->view()->setAccessibleName("Tracks to play");
    picker_->setMaxVisibleItems(10);
    picker_->installEventFilter(this);
    list_ = picker_->view()->window();
    list_->installEventFilter(this);
    layout->addWidget(picker_);
    // The list itself sits on a frame of its own.
    auto* list = frame(box);
    list->setObjectName("setlist");
    auto* rows = new QVBoxLayout(list);
    for (std::size_t i = 0; i < tracks_.size(); ++i) {
        tracks_[i] = label(list, "");
        tracks_[i]->setObjectName(QString("tracks%1").arg(i));
        tracks_[i]->setMinimumHeight(22);
        rows->addWidget(tracks_[i]);
    }
    layout->addWidget(list, 1);
    auto* clear = button(box, "command3", "CLEAR LIST");
    layout->addWidget(clear);
    // Every activation counts, the row already shown too: picking it again is a duplicate.
    // But one pick for each time the list comes up: while a screen reader listens, its bridge
    // hands the Enter that picked a row to the closed list once more.
    connect(picker_, &QComboBox::activated, this, [this](int row) {
        if (!std::exchange(listopen_, false)) return;
        run([row](Game& game) { addgigtrack(game, row + 1); });
    });
    wire(clear, cleargiglist);
    return box;
}

QWidget* GigScreen::buildbuttons() {
    auto* box = frame(this);
    auto* layout = new QHBoxLayout(box);
    auto* back = button(box, "Command2", "BACK");
    play_ = button(box, "command4", "PLAY GIG");
    for (QPushButton* b : {back, play_})
        b->setMinimumWidth(140);
    layout->addWidget(back);
    layout->addStretch(1);
    layout->addWidget(play_);
    wire(back, closegig);
    escapeclicks(back);
    wire(play_, playgig);
    return box;
}

void GigScreen::sync() {
    if (!game_.gig) return;
    const auto& form = *game_.gig;
    const QSignalBlocker quiet(location_);
    for (int i = 0; i < venuecount; ++i) {
        QAbstractButton* option = location_->button(i);
        option->setEnabled(form.location[static_cast<std::size_t>(i)]);
        if (form.checkindex == i + 1) option->setChecked(true);
    }
    apply_->setEnabled(form.command1);
    QStringList rows;
    for (const auto& title : form.Combo1)
        rows << qt(title);
    QStringList shown;
    for (int i = 0; i < picker_->count(); ++i)
        shown << picker_->itemText(i);
    const QSignalBlocker still(picker_);
    if (shown != rows) {
        picker_->clear();
        picker_->addItems(rows);
    }
    // A picked track goes onto the list, not into the box: the box stays blank, and a screen
    // reader, which takes a combo box's name from its text, goes on calling it by its name.
    picker_->setCurrentIndex(-1);
    picker_->setEnabled(form.picker);
    QStringList set;
    for (std::size_t i = 0; i < tracks_.size(); ++i) {
        tracks_[i]->setText(qt(form.tracks[i]));
        if (!form.tracks[i].empty()) set << qt(form.tracks[i]);
    }
    // The set so far is read with the picker, where the next track is chosen.
    picker_->setAccessibleDescription(set.join(", "));
    play_->setEnabled(form.command4);
}

// Picking a track adds it to the set, so the closed picker never changes its row by itself,
// as a combo box does on an arrow key, a typed letter or the wheel. Those keys, and Enter,
// open the list instead, where the arrows move and Enter picks; the wheel does nothing.
bool GigScreen::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::Show) listopen_ = true;
    if (watched == picker_ && event->type() == QEvent::Wheel) return true;
    if (watched == picker_ && event->type() == QEvent::KeyPress &&
        openslist(*static_cast<QKeyEvent*>(event))) {
        picker_->showPopup();
        return true;
    }
    return GameWindow::eventFilter(watched, event);
}

void GigScreen::closeEvent(QCloseEvent* event) {
    event->ignore();
    run(closegig);
}

} // namespace quorvane
