// The main screen's layout and the calls behind its controls.
#include "mainscreen.h"

#include "elidedlabel.h"
#include "widgets.h"

#include "gigs/booking.h"
#include "media/holiday.h"
#include "media/interview.h"
#include "persist/fileoptions.h"
#include "roster/applicants.h"
#include "roster/departures.h"
#include "roster/memberdetails.h"
#include "roster/practice.h"
#include "songs/demo.h"
#include "songs/songwriting.h"
#include "state/refresh.h"
#include "state/startup.h"
#include "theme.h"
#include "turn/nextweek.h"
#include "turn/promotion.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QDate>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStackedLayout>
#include <QVBoxLayout>

#include <algorithm>

namespace quorvane {

using namespace widgets;

namespace {

QString shortdate(Date date) {
    const QDate qdate(static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                      static_cast<unsigned>(date.day()));
    return QLocale().toString(qdate, QLocale::ShortFormat);
}

// Refills a list only when its rows changed, then marks the row the game has picked.
void showrows(QListWidget* list, const std::vector<std::string>& rows, int picked) {
    QStringList wanted;
    for (const auto& row : rows)
        wanted << qt(row);
    QStringList current;
    for (int i = 0; i < list->count(); ++i)
        current << list->item(i)->text();
    if (current != wanted) {
        list->clear();
        list->addItems(wanted);
    }
    if (list->currentRow() != picked) list->setCurrentRow(picked);
}

// Checks the option of the chosen level; a level never chosen shows no option checked.
void showpromotion(QButtonGroup* group, int promotion) {
    QAbstractButton* wanted = group->button(promotion - 1);
    if (group->checkedButton() == wanted) return;
    group->setExclusive(false);
    for (QAbstractButton* option : group->buttons())
        option->setChecked(option == wanted);
    group->setExclusive(true);
}

// The member panel's rows: the caption's name, the value's name, the caption.
constexpr const char* panelfields[][3] = {{"Label6", "txtage", "Age:"},
                                          {"Label5", "txtsex", "Gender:"},
                                          {"Label7", "txtinstrument", "Instrument:"},
                                          {"Label9", "txttalent", "Talent:"},
                                          {"Label8", "txtcharisma", "Charisma:"},
                                          {"Label10", "txtattitude", "Attitude:"},
                                          {"Label11", "txtlooks", "Appearance:"}};

} // namespace

MainScreen::MainScreen(Game& game, std::function<void()> refresh)
    : GameWindow(game, std::move(refresh)) {
    setObjectName("main");
    setAccessibleName("Main screen");
    setStyleSheet(theme::mainscreen());

    auto* grid = new QGridLayout(page());
    grid->setContentsMargins(16, 12, 16, 16);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(12);
    grid->addWidget(buildheader(), 0, 0, 1, 3);
    grid->addWidget(buildmembers(), 1, 0, 2, 1);
    grid->addWidget(buildtracks(), 1, 1, 2, 1);
    grid->addWidget(buildpromotion(), 1, 2);
    grid->addWidget(buildactions(), 2, 2);
    grid->addWidget(buildapplicants(), 3, 0, 1, 3);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(2, 2);
    grid->setColumnMinimumWidth(2, 280);
    fitcontent(QSize(920, 620));
}

QWidget* MainScreen::buildheader() {
    auto* box = new QWidget(this);
    box->setObjectName("header");
    box->setAttribute(Qt::WA_StyledBackground);
    auto* row = new QGridLayout(box);
    row->setContentsMargins(18, 10, 10, 10);
    row->setHorizontalSpacing(24);

    auto* title = label(box, "Label2", "QUORVANE");
    title->setFont(designfont(title->font(), 22, QFont::Black));
    row->addWidget(title, 0, 0, 2, 1);

    row->addWidget(heading(box, "Label17", "BAND NAME"), 0, 1);
    row->addWidget(heading(box, "Label20", "DATE:"), 0, 2);
    row->addWidget(heading(box, "Label19", "CASH:"), 0, 3);
    // The values take their widths from the columns, so a long name or a wider sum never
    // moves anything; the name is shortened to fit instead.
    txtname_ = new ElidedLabel(box, "Band name");
    txtname_->setObjectName("txtname");
    txtdate_ = new ElidedLabel(box, "Date");
    txtdate_->setObjectName("txtdate");
    txtcash_ = new ElidedLabel(box, "Cash");
    txtcash_->setObjectName("txtcash");
    txtcash_->setfulltext("...");
    int column = 1;
    for (ElidedLabel* value : {txtname_, txtdate_, txtcash_}) {
        value->setFont(designfont(value->font(), 13, QFont::Bold));
        row->addWidget(value, 1, column);
        row->setColumnStretch(column++, value == txtname_ ? 2 : 1);
    }
    // Any date shows whole, at any size of text: room for the widest of the months.
    int widest = 0;
    for (unsigned month = 1; month <= 12; ++month) {
        const Date date = std::chrono::year{9999} / std::chrono::month{month} / 28;
        widest = std::max(widest, txtdate_->widthfor(shortdate(date)));
    }
    txtdate_->setMinimumWidth(widest);
    txtcash_->setMinimumWidth(txtcash_->widthfor(qt(cashtext(-32768))));
    // And a name of a few words whole; a longer one is shortened, and whole in its tool tip.
    txtname_->setMinimumWidth(20 * txtname_->fontMetrics().averageCharWidth());

    // "X" is a label; the clickable area without a caption lies over it.
    auto* quit = new QWidget(box);
    auto* stack = new QStackedLayout(quit);
    stack->setStackingMode(QStackedLayout::StackAll);
    auto* exitbtn = new QPushButton(quit);
    exitbtn->setObjectName("exitbtn");
    exitbtn->setFlat(true);
    exitbtn->setCursor(Qt::PointingHandCursor);
    exitbtn->setAccessibleName("Quit");
    auto* cross = label(quit, "Label3", "X");
    cross->setAlignment(Qt::AlignCenter);
    stack->addWidget(exitbtn);
    stack->addWidget(cross);
    exitbtn->raise();
    quit->setFixedSize(32, 32);
    row->addWidget(quit, 0, 4, 2, 1, Qt::AlignTop);
    wire(exitbtn, quitgame);
    return box;
}

QWidget* MainScreen::buildmembers() {
    auto* box = frame(this);
    auto* layout = new QGridLayout(box);
    layout->addWidget(heading(box, "Label16", "BAND MEMBERS"), 0, 0, 1, 2);
    members_ = new QListWidget(box);
    members_->setObjectName("members");
    members_->setAccessibleName("Band members");
    arrowsstartatfocus(members_);
    layout->addWidget(members_, 1, 0, 1, 2);

    int row = 2;
    for (const auto& [caption, value, text] : panelfields) {
        layout->addWidget(label(box, caption, text), row, 0);
        panel_[static_cast<std::size_t>(row - 2)] = label(box, value);
        layout->addWidget(panel_[static_cast<std::size_t>(row - 2)], row, 1);
        ++row;
    }
    sack_ = button(box, "Command2", "SACK THIS MEMBER");
    layout->addWidget(sack_, row, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    wirerows(members_, showmember);
    members_->viewport()->installEventFilter(this);
    members_->installEventFilter(this);
    wire(sack_, sackmember);
    return box;
}

QWidget* MainScreen::buildtracks() {
    auto* box = frame(this);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(heading(box, "Label15", "TRACK LIST"));
    songlist_ = new QListWidget(box);
    songlist_->setObjectName("songlist");
    songlist_->setAccessibleName("Track list");
    arrowsstartatfocus(songlist_);
    layout->addWidget(songlist_);
    wirerows(songlist_, selectsong);
    return box;
}

QWidget* MainScreen::buildpromotion() {
    auto* box = frame(this);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(heading(box, "Label14", "PROMOTION"));
    auto* promote = new QWidget(box);
    promote->setObjectName("promote");
    auto* options = new QVBoxLayout(promote);
    options->setContentsMargins(0, 0, 0, 0);
    promote_ = new QButtonGroup(promote);
    const char* captions[] = {"None", "Small      £100", "Medium   £250", "High       £400"};
    for (int i = 0; i < 4; ++i) {
        auto* option = new QRadioButton(QString::fromUtf8(captions[i]), promote);
        option->setObjectName(QString("promote%1").arg(i));
        promote_->addButton(option, i);
        options->addWidget(option);
    }
    arrowsmovefocus(promote_);
    connect(promote_, &QButtonGroup::idClicked, this,
            [this](int index) { run([index](Game& game) { choosepromotion(game, index); }); });
    layout->addWidget(promote);
    layout->addStretch(1);
    return box;
}

QWidget* MainScreen::buildapplicants() {
    auto* box = frame(this);
    auto* layout = new QGridLayout(box);
    layout->addWidget(heading(box, "Label4", "APPLICANTS"), 0, 0, 1, 3);
    txtapplicant_ = label(box, "txtapplicant", "...");
    txtapplicant_->setWordWrap(true);
    txtapplicant_->ensurePolished(); // at the sheet's size of text
    // Room for a sentence of two lines, which most applicants take, so the window keeps its
    // size from one applicant to the next.
    txtapplicant_->setMinimumHeight(std::max(40, 2 * txtapplicant_->fontMetrics().lineSpacing()));
    txtapplicant_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(txtapplicant_, 1, 0);
    hire_ = button(box, "hire", "HIRE");
    dismiss_ = button(box, "dismiss", "DISMISS");
    for (QPushButton* b : {hire_, dismiss_})
        b->setMinimumWidth(110);
    layout->addWidget(hire_, 1, 1);
    layout->addWidget(dismiss_, 1, 2);
    layout->setColumnStretch(0, 1);
    wire(hire_, hireapplicant);
    wire(dismiss_, dismissapplicant);
    return box;
}

QWidget* MainScreen::buildactions() {
    auto* box = frame(this);
    auto* layout = new QGridLayout(box);
    auto* writesong = button(box, "command1", "WRITE SONG", "Makes the band record a new track");
    bookgig_ = button(box, "command4", "BOOK GIG", "Book a gig for the band");
    auto* senddemo = button(box, "command3", "SEND DEMO", "Send demo tape to Recording company");
    interview_ = button(box, "interview", "INTERVIEW", "Let the band do an interview");
    auto* lessons = button(box, "Label13", "LESSONS", "Further information on a band member");
    auto* holiday = button(box, "holiday", "BAND HOLIDAY", "Book a holiday for the band");
    auto* options = button(box, "Command5", "GAME OPTIONS");
    nextweek_ = button(box, "command6", "NEXT WEEK", "Ends current week");
    nextweek_->setMinimumHeight(40);

    QPushButton* order[] = {writesong, bookgig_, senddemo, interview_, lessons, holiday, options};
    for (int i = 0; i < 7; ++i)
        layout->addWidget(order[i], i / 2, i % 2, 1, i == 6 ? 2 : 1);
    layout->addWidget(nextweek_, 4, 0, 1, 2);
    layout->setRowStretch(5, 1);
    wire(writesong, quorvane::writesong);
    wire(bookgig_, checkgigband);
    wire(senddemo, quorvane::senddemo);
    wire(interview_, giveinterview);
    wire(holiday, bookholiday);
    wire(lessons, givelesson);
    wire(nextweek_, nextweek);
    // The one action of every week gets a key of its own, from anywhere on the screen.
    auto* nextweekkey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_N), this);
    connect(nextweekkey, &QShortcut::activated, nextweek_, &QPushButton::click);
    wire(options, [](Game& game) {
        openfileoptions(game, FileMode::save, QDir::currentPath().toStdString());
    });
    return box;
}

template <typename Operation> void MainScreen::wirerows(QListWidget* list, Operation operation) {
    auto pick = [this, operation](int row) {
        if (!syncing_) run([operation, row](Game& game) { operation(game, row); });
    };
    // A row counts once it is selected, by a click or by the arrow keys or Space; the row
    // Qt marks when the list merely takes the focus does not.
    connect(list, &QListWidget::itemSelectionChanged, this, [list, pick] {
        const QList<QListWidgetItem*> selected = list->selectedItems();
        if (!selected.isEmpty()) pick(list->row(selected.front()));
    });
    // A click on the row already current still counts: it enables SACK again, say.
    connect(list, &QListWidget::clicked, this,
            [pick](const QModelIndex& index) { pick(index.row()); });
}

void MainScreen::sync() {
    const QSignalBlocker quiet(promote_);
    syncing_ = true;
    const auto& s = game_.state;
    const auto& c = game_.controls;
    txtname_->setfulltext(qt(s.bandname));
    txtdate_->setfulltext(shortdate(s.gamedate));
    txtcash_->setfulltext(qt(cashtext(s.cash)));
    txtapplicant_->setText(qt(c.txtapplicant));
    fitlines(); // a longer sentence than most, at a large size of text
    // With the last applicant gone, the keys go on to NEXT WEEK, which brings the next ones,
    // rather than round to the quit control.
    const QWidget* had = focusWidget(); // the window's, whether it is active or not
    const bool applying = had == hire_ || had == dismiss_;
    hire_->setEnabled(c.hire);
    dismiss_->setEnabled(c.dismiss);
    if (applying && !c.hire && !c.dismiss) nextweek_->setFocus();
    interview_->setEnabled(c.interview);
    bookgig_->setEnabled(c.command4);
    sack_->setEnabled(c.Command2);
    showrows(members_, c.members, memberrow(game_));
    showrows(songlist_, c.songlist, songrow(game_));
    const MemberPanel p = memberpanel(game_);
    const std::string* values[] = {&p.txtage,      &p.txtsex,      &p.txtinstrument, &p.txttalent,
                                   &p.txtcharisma, &p.txtattitude, &p.txtlooks};
    for (std::size_t i = 0; i < panel_.size(); ++i) {
        panel_[i]->setText(qt(*values[i]));
        readwithcaption(panel_[i], panelfields[i][2]);
    }
    // Read when the choice comes into the focus, as the screen shows it beside the buttons.
    hire_->setAccessibleDescription(txtapplicant_->text());
    showpromotion(promote_, s.promotion);
    // A band with places to fill starts by hiring; any other goes on to NEXT WEEK. Never the
    // quit control, which comes first in the tab order, nor a control of the week before.
    if (std::exchange(cameup_, false)) (c.hire ? hire_ : nextweek_)->setFocus();
    syncing_ = false;
}

void MainScreen::showEvent(QShowEvent* event) {
    cameup_ = true;
    GameWindow::showEvent(event);
}

bool MainScreen::eventFilter(QObject* watched, QEvent* event) {
    if (watched == members_->viewport() && event->type() == QEvent::MouseButtonDblClick)
        run(memberreport);
    // Enter on the list is the keyboard's double-click.
    if (watched == members_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            run(memberreport);
            return true;
        }
    }
    return GameWindow::eventFilter(watched, event);
}

void MainScreen::closeEvent(QCloseEvent* event) {
    event->ignore();
    run(quitgame);
}

} // namespace quorvane
