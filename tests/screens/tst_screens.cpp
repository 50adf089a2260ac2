// Every screen clicked through its real widgets, by keys and by mouse: one path a screen,
// with the mends a player would notice on the way; and the real message boxes and prompt.
#include "frontend.h"
#include "mainscreen.h"
#include "ports/mersennerandom.h"
#include "qtdialogs.h"
#include "state/refresh.h"
#include "support/scripted.h"
#include "support/tempfolder.h"
#include "titlescreen.h"

#include <QtTest>
#include <QtWidgets>

using namespace quorvane;
using namespace quorvane::testing;

namespace {

// The visible window with this object name, or none.
QWidget* visiblewindow(const char* name) {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == name && window->isVisible()) return window;
    return nullptr;
}

// Presses keys on whatever has the keyboard focus, as a player does.
void press(std::initializer_list<Qt::Key> keys, Qt::KeyboardModifiers modifiers = {}) {
    for (Qt::Key key : keys)
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}
// A click at the middle of a control, or a double-click, sent to its window as the window
// system would.
void windowclick(QWidget* control, bool twice = false) {
    QWidget* window = control->window();
    const QPoint at = control->mapTo(window, control->rect().center());
    if (twice) return QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {}, at);
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, at);
}
const auto focused = [] { return QApplication::focusWidget()->objectName(); };
// Tabs through a window's controls to the named one; false if it is never reached.
bool tabto(const QString& name) {
    for (int i = 0; i < 30 && focused() != name; ++i)
        press({Qt::Key_Tab});
    return focused() == name;
}

struct ScreenGame {
    ScreenGame() { frontend.start(); }

    // The named control of a visible window. A missing one fails the calling test, which
    // goes on with a blank stand-in rather than ending the run.
    template <typename T = QWidget> T* find(const char* window, const char* name) {
        QWidget* screen = visiblewindow(window);
        if (T* widget = screen ? screen->findChild<T*>(name) : nullptr) return widget;
        const QString missing = QString("no control %1 on a visible %2").arg(name, window);
        QTest::qFail(qPrintable(missing), __FILE__, __LINE__);
        spares.winId(); // a window, so that a click on a stand-in goes somewhere
        return new T(&spares);
    }
    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    void click(const char* window, const char* name) { click(find(window, name)); }
    QString text(const char* name, const char* window = "main") {
        return find<QLabel>(window, name)->text();
    }
    bool enabled(const char* window, const char* name) { return find(window, name)->isEnabled(); }

    // NEW GAME with the given name.
    void newgame(const std::string& name) {
        dialogs.typed.push_back(name);
        click("Form1", "New");
    }
    // The band of the core tests, with `songs` tracks, shown on the main screen.
    Module1& formband(int songs) {
        auto& game = frontend.game();
        testing::formband(game.state, songs);
        update(game);
        listupdate(game);
        updatesonglist(game);
        frontend.navigator().refresh();
        return game.state;
    }

    QWidget spares; // the stand-ins for missing controls
    MersenneRandom random{20010901};
    ScriptedDialogs dialogs;
    Frontend frontend{random, dialogs};
};

// Clicks, or double-clicks, row `row` of a list as a player does; a drop-down opens first.
void clickrow(QAbstractItemView* list, int row, bool twice = false) {
    const QPoint at = list->visualRect(list->model()->index(row, 0)).center();
    if (twice) return QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
}
void pick(QComboBox* picker, int row) {
    picker->showPopup();
    clickrow(picker->view(), row);
}

// What a screen reader reads of a control: its name, or another of its texts.
QString spoken(QWidget* control, QAccessible::Text text = QAccessible::Name) {
    return QAccessible::queryAccessibleInterface(control)->text(text);
}

// Every window up fits its screen (a laptop's, 1366×768, in the test's settings), and sizes
// each label's text from the application font (never in pixels, never smaller) and shows it
// whole, unless it wraps.
void showswhole() {
    QCoreApplication::processEvents(); // the layouts settle, as before a window is drawn
    const double points = QApplication::font().pointSizeF();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible()) continue;
        const QByteArray name = window->objectName().toUtf8();
        const QSize room = window->screen()->availableSize();
        const QSize size = window->frameGeometry().size();
        QVERIFY2(size.width() <= room.width(), name);
        QVERIFY2(size.height() <= room.height(), name);
        // It scrolls only where the screen has no more room for it; else its page shows whole.
        if (const auto* scroll = window->findChild<QScrollArea*>()) {
            if (size.height() < room.height())
                QVERIFY2(!scroll->verticalScrollBar()->isVisible(), name);
            if (size.width() < room.width())
                QVERIFY2(!scroll->horizontalScrollBar()->isVisible(), name);
        } else if (const auto* page = window->findChild<QWidget*>("page")) {
            QVERIFY2(window->rect().contains(page->geometry()), name);
        }
        for (QLabel* label : window->findChildren<QLabel*>()) {
            const QString what = label->objectName() + " " + label->text();
            QVERIFY2(label->font().pointSizeF() >= points, qPrintable(what));
            if (!label->isVisible() || label->wordWrap()) continue;
            const int needs = label->fontMetrics().horizontalAdvance(label->text());
            QVERIFY2(needs <= label->contentsRect().width(), qPrintable(what));
            QVERIFY2(!label->text().endsWith(QChar(0x2026)), qPrintable(what));
        }
    }
}

const auto box = [] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); };

} // namespace

class ScreensTest : public QObject {
    Q_OBJECT

    TempFolder folder;
    const QFont usual = QApplication::font();

    // Text `times` as large as usual, as a desktop's font setting makes it.
    void largertext(double times) {
        QFont large = usual;
        large.setPointSizeF(usual.pointSizeF() * times);
        QApplication::setFont(large);
    }

private slots:
    // Dates as a player in Britain reads them, whatever the machine's own language.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }
    void init() { QDir::setCurrent(QString::fromStdString(folder.path())); }
    void cleanup() { QApplication::setFont(usual); }

    void exitOnTheTitleScreenEndsTheGameWithoutAsking() {
        ScreenGame g;
        g.click("Form1", "Label4");
        QVERIFY(!g.frontend.titlescreen().isVisible()); // a question unanswered would keep it
    }

    // Keys where a player may use them, the mouse for the rest.
    void aBandLivesThroughSeveralWeeksByKeysAndMouse() {
        ScreenGame g;
        QVERIFY(QTest::qWaitForWindowActive(&g.frontend.titlescreen()));
        QCOMPARE(spoken(&g.frontend.titlescreen()), QString("Title screen"));
        QCOMPARE(focused(), QString("New"));
        g.dialogs.typed = {"<b>Life</b> & Soul"}; // read as typed, by a screen reader too
        press({Qt::Key_Backtab, Qt::Key_Return, Qt::Key_Tab}); // the hidden joke comes last
        press({Qt::Key_Return});                               // NEW GAME
        QVERIFY(QTest::qWaitForWindowActive(&g.frontend.mainscreen()));
        QCOMPARE(spoken(&g.frontend.mainscreen()), QString("Main screen")); // not "Quorvane"
        QCOMPARE(spoken(g.find("main", "txtname")), QString("Band name: <b>Life</b> & Soul"));
        QCOMPARE(spoken(g.find("main", "txtname"), QAccessible::Description), "<b>Life</b> & Soul");
        press({Qt::Key_Return, Qt::Key_Return, Qt::Key_Return}); // HIRE three
        g.click("main", "command4");                             // BOOK GIG checks the band first
        QCOMPARE(g.dialogs.messages().back(), "You must have a full band before performing!");
        const QString first = g.text("txtapplicant");
        g.click("main", "dismiss");
        QVERIFY(g.text("txtapplicant") != first);
        windowclick(g.find("main", "command6"), true); // a double-click on NEXT WEEK runs one week
        QCOMPARE(g.text("txtdate"), QString("08/09/2001"));
        g.click("main", "hire");
        QCOMPARE(focused(), QString("command6")); // on to NEXT WEEK, not round to the quit "X"
        g.dialogs.answers = {false};              // no practice
        press({Qt::Key_N}, Qt::ControlModifier);
        QCOMPARE(g.text("txtdate"), QString("15/09/2001"));
        QVERIFY(tabto("members"));
        QVERIFY(!g.enabled("main", "Command2")); // the focus alone picks nobody
        press({Qt::Key_Down});                   // the first arrow picks the first member
        QCOMPARE(g.text("txtinstrument"), QString("Vocals"));
        auto& s = g.frontend.game().state;
        press({Qt::Key_Return});
        QVERIFY(g.dialogs.messages().back().starts_with(s.membername[1])); // the report
        const QImage small = g.find("main", "promote1")->grab().toImage();
        QVERIFY(tabto("promote0"));
        press({Qt::Key_Space, Qt::Key_Down}); // None, then the arrows only look at Small
        QCOMPARE(s.promotion, int16{1});
        QVERIFY(g.find("main", "promote1")->grab().toImage() != small); // a ring shows where
        press({Qt::Key_Space});
        QCOMPARE(s.promotion, int16{2});
        QVERIFY(g.find<QRadioButton>("main", "promote1")->isChecked());
        auto* members = g.find<QListWidget>("main", "members");
        clickrow(members, 1);
        QCOMPARE(spoken(g.find("main", "txtage")), QString("Age: %1").arg(s.memberage[2]));
        QCOMPARE(g.text("txtsex"), QString::fromStdString(s.membersex[2]));
        QCOMPARE(g.text("txtinstrument"), QString("Guitar"));
        QCOMPARE(g.text("txttalent"), QString::number(s.talent[2]));
        QCOMPARE(g.text("txtcharisma"), QString::number(s.charisma[2]));
        QCOMPARE(g.text("txtattitude"), QString::number(s.attitude[2]));
        QCOMPARE(g.text("txtlooks"), QString::number(s.looks[2]));
        clickrow(members, 1, true);
        QVERIFY(g.dialogs.messages().back().starts_with(s.membername[2]));
        const int cash = s.cash;
        g.dialogs.answers = {true, true, true};
        g.click("main", "Label13"); // LESSONS for the guitar player
        g.click("main", "holiday");
        QCOMPARE(g.text("txtcash"), QString::fromUtf8("£ %1").arg(cash - 75 - 300));
        QCOMPARE(g.text("txtdate"), QString("29/09/2001")); // a fortnight away
        g.click("main", "Command2");                        // SACK
        QCOMPARE(members->count(), 3);
        s.invitation = 1;
        g.frontend.game().controls.interview = true;
        g.frontend.navigator().refresh();
        g.click("main", "interview");
        QVERIFY(!g.enabled("main", "interview"));
        QVERIFY(tabto("Command5"));
        press({Qt::Key_Return}); // GAME OPTIONS
        QTRY_COMPARE(QApplication::activeWindow(), visiblewindow("savefrm"));
        QCOMPARE(spoken(QApplication::activeWindow()), QString("File options"));
        // On Linux a drop-down's own name is read as its value; a label's buddy it is named.
        const auto* drive = QAccessible::queryAccessibleInterface(g.find("savefrm", "Drive1"));
        const auto labels = drive->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.front().first->text(QAccessible::Name), QString("Drive"));
        QVERIFY(tabto("thefile"));
        QVERIFY(g.enabled("savefrm", "save")); // reached by Tab, as by a click
        press({Qt::Key_Escape});               // BACK
        QVERIFY(!visiblewindow("savefrm"));
        g.dialogs.answers = {false, true};
        g.click("main", "exitbtn"); // No: the game goes on; then the window's close asks too
        QVERIFY(g.frontend.mainscreen().isVisible());
        g.frontend.mainscreen().close();
        QVERIFY(!g.frontend.mainscreen().isVisible());
        QVERIFY(g.dialogs.answers.empty());
        QCOMPARE(g.dialogs.shown.back().kind, Shown::careful);
        QVERIFY(g.dialogs.unexpected.empty());
    }

    // With text half as large again, as a desktop's font setting makes it, every window takes
    // the room its text needs.
    void aGameIsSavedOverItsOpenerAndLoadedFromTheTitleScreen() {
        { // at twice the size the main screen does not fit: it scrolls, with nothing cut
            largertext(2);
            ScreenGame g;
            g.newgame("The Roadies");
            g.formband(2);
            showswhole();
        }
        {
            largertext(1.5);
            ScreenGame g;
            showswhole();
            g.newgame("The Roadies");
            showswhole(); // with an applicant's sentence of two lines
            g.formband(2);
            showswhole();
            auto* members = g.find<QListWidget>("main", "members"); // a band of four, whole
            QVERIFY(members->visualItemRect(members->item(3)).bottom() <
                    members->viewport()->height());
            QWidget& main = g.frontend.mainscreen();
            const QRect room = main.screen()->availableGeometry();
            main.move(room.bottomRight() - QPoint(40, 40)); // dragged into a corner
            g.click("main", "Command5"); // a window the main window owns, wholly on the screen
            QWidget* options = g.find("savefrm", "thefile")->window();
            QCOMPARE(options->windowHandle()->transientParent(), main.windowHandle());
            QVERIFY(room.contains(options->frameGeometry()));
            showswhole();
            g.click("main", "command4"); // BOOK GIG takes the main screen away, and its options
            showswhole();
            QTest::keyClick(g.find("gig", "Command2"), Qt::Key_Escape); // BACK, without them
            QVERIFY(!options->isVisible());
            g.click("main", "Command5");
            g.click("savefrm", "thefile"); // SAVE waits for a click on the name
            options->close();
            g.click("main", "Command5"); // closed: it starts afresh
            QVERIFY(!g.enabled("savefrm", "save"));
            g.click("savefrm", "thefile");
            QVERIFY(g.enabled("savefrm", "save"));
            QVERIFY(!g.enabled("savefrm", "load"));
            QTest::keyClicks(g.find("savefrm", "thefile"), ".roadies.zef"); // a dot-file
            g.click("savefrm", "save");
            QCOMPARE(g.dialogs.messages().back(), "Game Saved");
        }
        writebytes(folder.file("broken.zef"), "");
        ScreenGame g;
        g.click("Form1", "load");
        auto* files = g.find<QListWidget>("savefrm", "File1");
        QVERIFY(!g.find("savefrm", "save")->isVisible());
        QCOMPARE(QAccessible::queryAccessibleInterface(files)->childCount(), 2); // both rows
        clickrow(files, 1);
        g.click("savefrm", "load");
        QCOMPARE(g.dialogs.shown.back().icon, Icon::stop);
        clickrow(files, 0);
        g.click("savefrm", "load");
        QCOMPARE(g.text("txtname"), QString("The Roadies"));
    }

    void aGigIsPlayedAndADemoSignsTheBand() {
        largertext(1.5); // the review and the offer take the lines they wrap to
        ScreenGame g;
        const QString name = "<b>" + QString(60, 'H') + "</b>"; // no blank to wrap at
        g.newgame(name.toStdString());
        auto* shown = g.find<QLabel>("main", "txtname"); // shortened, and whole in its tool tip
        QVERIFY(shown->text().endsWith(QChar(0x2026)));
        QString tip = QTextDocumentFragment::fromHtml(shown->toolTip()).toPlainText();
        QCOMPARE(tip.remove(QChar(0x200B)), name);
        auto& s = g.formband(12);
        s.venueopen = {0, vbtrue, vbtrue, vbfalse, vbfalse, vbfalse};
        s.popularity = 60;
        g.click("main", "command4"); // BOOK GIG
        QVERIFY(!g.enabled("gig", "location3"));
        QVERIFY(!g.enabled("gig", "command1"));
        g.click("gig", "location1"); // The Queens Head: APPLY comes, PLAY GIG waits for a yes
        QVERIFY(g.enabled("gig", "command1"));
        QVERIFY(!g.enabled("gig", "command4"));
        QTRY_VERIFY(g.find("gig", "location0")->isActiveWindow()); // for the keys below
        QCOMPARE(spoken(QApplication::activeWindow()), QString("Gig booking"));
        const QImage rose = g.find("gig", "location0")->grab().toImage();
        press({Qt::Key_Up}); // the arrows look at the Rose and Crown, with a ring
        QVERIFY(g.find("gig", "location0")->grab().toImage() != rose);
        g.click("gig", "command1"); // APPLY
        auto* picker = g.find<QComboBox>("gig", "Combo1");
        QTest::keyClick(picker, Qt::Key_Return); // by keys: Enter opens the list
        QTest::keyClick(picker->view(), Qt::Key_End);
        QTest::keyClick(picker->view(), Qt::Key_Return);
        QTest::keyClick(picker->view(), Qt::Key_Return); // as a screen reader's bridge hands it on
        QCOMPARE(g.dialogs.messages().back(), "You have been allowed to play a gig!"); // no box
        pick(picker, 9); // the lowest row shown
        pick(picker, 9);
        QCOMPARE(g.dialogs.messages().back(), "This track is already on the list!");
        g.click("gig", "command3"); // CLEAR LIST
        for (int row = 0; row < setlength; ++row)
            pick(picker, row);
        QCOMPARE(g.text("tracks5", "gig"), QString("6. Song 6"));
        QVERIFY(spoken(picker, QAccessible::Description).endsWith(", 6. Song 6")); // the set
        g.click("gig", "command4"); // PLAY GIG, and the gig screen goes at once
        QVERIFY(!visiblewindow("gig"));

        auto* article = g.find<QLabel>("thenewspaper", "txtnews");
        // The review as a screen reader reads it, with the name's tags as typed.
        QString read = spoken(article);
        QVERIFY(read.remove(QChar(0x200B)).startsWith(QString::fromStdString(s.gigreview)));
        QCOMPARE(spoken(article->window()), QString("Music magazine"));
        showswhole();
        QCOMPARE(spoken(article->window(), QAccessible::Description), read); // read as it comes up
        const QFontMetrics type(article->font()); // a typewriter's even letters
        QCOMPARE(type.horizontalAdvance("iiiii"), type.horizontalAdvance("WWWWW"));
        QTest::keyClick(article, Qt::Key_Escape); // OK
        QVERIFY(!g.enabled("main", "command4"));
        QCOMPARE(g.frontend.mainscreen().focusWidget(), g.find("main", "command6"));

        s.popularity = 1000; // a demo that signs
        s.songquality[1] = 50;
        clickrow(g.find<QListWidget>("main", "songlist"), 0);
        g.click("main", "command3"); // SEND DEMO
        g.dialogs.answers = {false}; // no practice this week
        g.click("main", "command6");
        QVERIFY(g.text("txt", "Form2").contains(QString::fromStdString(s.bandname)));
        QTRY_VERIFY(g.find("Form2", "txt")->isActiveWindow());
        QCOMPARE(spoken(QApplication::activeWindow()), QString("Record deal"));
        showswhole();
        press({Qt::Key_Return}); // YES has the focus
        QVERIFY(!visiblewindow("Form2"));
    }

    // The real boxes over the window in front: each answered on the control with the focus,
    // as a player does with Enter or Escape; then a box of a long file name, and one
    // double-clicked on OK, whose second click lands where the box was, on WRITE SONG. What a
    // box shows is noted while it is up and checked once it has closed.
    void theBoxesAnswerByKeyShowTheirTextAsItIsAndTakeOneClick() {
        QtDialogs dialogs;
        MersenneRandom random(1);
        Frontend frontend(random, dialogs);
        dialogs.attach(frontend.navigator());
        frontend.start();
        QStringList titles;
        QList<int> icons;
        QWidgetList owners;
        auto answer = [&](Qt::Key key) {
            QTimer::singleShot(0, [&, key] {
                QWidget* modal = QApplication::activeModalWidget();
                if (!modal) return; // no box: the titles below come out short
                titles << modal->windowTitle();
                owners << modal->parentWidget();
                if (box()) icons << box()->icon();
                if (auto* input = qobject_cast<QInputDialog*>(modal))
                    input->findChild<QLineEdit*>()->setText(QString::fromUtf8("Mot\u00f6rhead"));
                QTest::keyClick(modal->focusWidget() ? modal->focusWidget() : modal, key);
            });
        };
        answer(Qt::Key_Escape);
        dialogs.message("!", Icon::stop);
        answer(Qt::Key_Return);
        QVERIFY(dialogs.ask("Sure?"));
        answer(Qt::Key_Return); // a careful question starts on No
        QVERIFY(!dialogs.askcarefully("Sure?"));
        answer(Qt::Key_Return);
        QCOMPARE(dialogs.prompt("Band?", "NEW BAND", ""), std::string("Mot\xc3\xb6rhead"));
        answer(Qt::Key_Escape);
        QCOMPARE(dialogs.prompt("Band?", "NEW BAND", ""), std::string());
        QCOMPARE(titles, QStringList({"Quorvane", "Quorvane", "Quorvane", "NEW BAND", "NEW BAND"}));
        QCOMPARE(icons,
                 QList<int>({QMessageBox::Critical, QMessageBox::NoIcon, QMessageBox::NoIcon}));
        QCOMPARE(owners, QWidgetList(5, &frontend.titlescreen()));
        const QString file = "/saves/<b>" + QString(256, 'n') + "</b>";
        bool fits = false;
        Qt::TextFormat format = Qt::AutoText;
        QTimer::singleShot(0, [&] {
            if (!box()) return; // no box: nothing fits
            fits = box()->screen()->availableGeometry().contains(box()->frameGeometry());
            format = box()->textFormat();
            box()->accept();
        });
        dialogs.message(file.toStdString(), Icon::stop);
        QVERIFY(fits);                   // the unbroken name wraps, so the box stays on the screen
        QCOMPARE(format, Qt::PlainText); // the tags shown as typed

        Game& game = frontend.game();
        game.state.bandname = "Half a Band"; // no band yet: WRITE SONG is refused
        game.screens.show(Screen::main);
        QWidget* writesong = frontend.mainscreen().findChild<QWidget*>("command1");
        QVERIFY(QTest::qWaitForWindowExposed(&frontend.mainscreen()));
        int boxes = 0;
        QTimer twice; // answers the box by a double-click on OK, then counts any box after it
        connect(&twice, &QTimer::timeout, [&] {
            if (!box() || !box()->isVisible()) return;
            twice.stop();
            ++boxes;
            windowclick(box()->button(QMessageBox::Ok));
            QTest::lastMouseTimestamp -= QTest::mouseDoubleClickInterval - 50;
            QTimer::singleShot(0, [&] {
                boxes += box() != nullptr;
                if (box()) box()->reject();
            });
            windowclick(writesong);
        });
        twice.start(0);
        windowclick(writesong);
        QTRY_VERIFY(!box());
        QCOMPARE(boxes, 1);
    }
};

QTEST_MAIN(ScreensTest)
#include "tst_screens.moc"
