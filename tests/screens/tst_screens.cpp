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

    template <typename T = QWidget> T* find(const char* window, const char* name) {
        QWidget* screen = visiblewindow(window);
        auto* widget = screen ? screen->findChild<T*>(name) : nullptr;
        if (!widget) qFatal("no control %s on a visible %s", name, window);
        return widget;
    }
    template <typename T = QWidget> T* onmain(const char* name) { return find<T>("main", name); }
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

    MersenneRandom random{20010901};
    ScriptedDialogs dialogs;
    Frontend frontend{random, dialogs};
};

const auto shortdate = [](int days) {
    return QLocale().toString(QDate(2001, 9, 1).addDays(days), QLocale::ShortFormat);
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

const auto box = [] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); };

} // namespace

class ScreensTest : public QObject {
    Q_OBJECT

    TempFolder folder;

private slots:
    void init() { QDir::setCurrent(QString::fromStdString(folder.path())); }

    void exitOnTheTitleScreenEndsTheGameWithoutAsking() {
        ScreenGame g;
        g.click("Form1", "Label4");
        QVERIFY(!g.frontend.titlescreen().isVisible() && g.dialogs.shown.empty());
    }

    // Keys where a player may use them, the mouse for the rest.
    void aBandLivesThroughSeveralWeeksByKeysAndMouse() {
        ScreenGame g;
        QVERIFY(QTest::qWaitForWindowActive(&g.frontend.titlescreen()) && focused() == "New");
        g.dialogs.typed = {"<b>Life</b> & Soul"}; // read as typed, by a screen reader too
        press({Qt::Key_Backtab, Qt::Key_Return, Qt::Key_Tab}); // the hidden joke comes last
        press({Qt::Key_Return});                               // NEW GAME
        QVERIFY(QTest::qWaitForWindowActive(&g.frontend.mainscreen()));
        QCOMPARE(
            QAccessible::queryAccessibleInterface(g.onmain("txtname"))->text(QAccessible::Name),
            QString("<b>Life</b> & Soul"));
        press({Qt::Key_Return, Qt::Key_Return, Qt::Key_Return}); // HIRE three
        g.click("main", "command4");                             // BOOK GIG checks the band first
        QCOMPARE(g.dialogs.messages().back(), "You must have a full band before performing!");
        const QString first = g.text("txtapplicant");
        g.click("main", "dismiss");
        QVERIFY(g.text("txtapplicant") != first);
        windowclick(g.onmain("command6"), true); // a double-click on NEXT WEEK runs one week
        QCOMPARE(g.text("txtdate"), shortdate(7));
        g.click("main", "hire");
        QCOMPARE(focused(), QString("command6")); // on to NEXT WEEK, not round to the quit "X"
        g.dialogs.answers = {false};              // no practice
        press({Qt::Key_N}, Qt::ControlModifier);
        QVERIFY(g.text("txtdate") == shortdate(14) && tabto("members"));
        QVERIFY(!g.enabled("main", "Command2"));
        press({Qt::Key_Down}); // the first arrow picks the first member
        QVERIFY(g.text("txtinstrument") == "Vocals" && g.enabled("main", "Command2"));
        auto& s = g.frontend.game().state;
        press({Qt::Key_Return});
        QVERIFY(g.dialogs.messages().back().starts_with(s.membername[1])); // the report
        QVERIFY(tabto("promote0"));
        press({Qt::Key_Space, Qt::Key_Down}); // None, then the arrows only look at Small
        QVERIFY(focused() == "promote1" && s.promotion == 1);
        press({Qt::Key_Space});
        QVERIFY(s.promotion == 2 && g.find<QAbstractButton>("main", "promote1")->isChecked());
        auto* members = g.onmain<QListWidget>("members");
        clickrow(members, 1);
        QCOMPARE(g.text("txtage") + g.text("txtinstrument"),
                 QString("%1Guitar").arg(s.memberage[2]));
        clickrow(members, 1, true);
        QVERIFY(g.dialogs.messages().back().starts_with(s.membername[2]));
        g.click("main", "command1"); // WRITE SONG
        const int weeks = 2 + s.songtimer + 2;
        for (int left = s.songtimer; left > 0; --left)
            g.dialogs.answers = {false}, g.click("main", "command6"); // no practice
        QCOMPARE(g.text("txtcash"), QString::fromUtf8("£ %1").arg(s.cash));
        auto* songs = g.onmain<QListWidget>("songlist");
        QCOMPARE(songs->item(0)->text(), QString::fromStdString(s.songname[1]));
        clickrow(songs, 0);
        g.click("main", "command3"); // SEND DEMO
        QCOMPARE(g.dialogs.messages().back(), "You have sent a demo to the record company");
        clickrow(members, 0);
        const int cash = s.cash;
        g.dialogs.answers = {true, true, true};
        g.click("main", "Label13"); // LESSONS
        g.click("main", "holiday");
        QVERIFY(s.cash == cash - 75 - 300 && g.text("txtdate") == shortdate(7 * weeks)); // 2 weeks
        clickrow(members, 1);
        g.click("main", "Command2"); // SACK
        QVERIFY(members->count() == 3 && g.text("txtapplicant").contains("Guitar player"));
        QVERIFY(!g.enabled("main", "Command2") && g.text("txtage").isEmpty());
        std::tie(s.invitation, g.frontend.game().controls.interview) = std::tuple(1, true);
        g.frontend.navigator().refresh();
        g.click("main", "interview");
        QVERIFY(!g.enabled("main", "interview") && tabto("Command5"));
        press({Qt::Key_Return}); // GAME OPTIONS
        QTRY_VERIFY(visiblewindow("savefrm") && visiblewindow("savefrm")->isActiveWindow());
        QVERIFY(tabto("thefile") && g.find("savefrm", "save")->isEnabled()); // as a click
        press({Qt::Key_Escape});                                             // BACK
        QVERIFY(!visiblewindow("savefrm") && g.dialogs.unexpected.empty());
        g.dialogs.answers = {false, true};
        g.click("main", "exitbtn"); // No: the game goes on; then the window's close asks too
        QVERIFY(g.frontend.mainscreen().isVisible());
        g.frontend.mainscreen().close();
        QVERIFY(!g.frontend.mainscreen().isVisible() && !g.frontend.titlescreen().isVisible());
        QVERIFY(g.dialogs.answers.empty() && g.dialogs.shown.back().kind == Shown::careful);
    }

    void aGameIsSavedOverItsOpenerAndLoadedFromTheTitleScreen() {
        {
            ScreenGame g;
            g.newgame("The Roadies");
            g.formband(2);
            QWidget& main = g.frontend.mainscreen();
            g.click("main", "Command5"); // a window the main window owns
            QCOMPARE(visiblewindow("savefrm")->windowHandle()->transientParent(),
                     main.windowHandle());
            g.click("main", "command4"); // BOOK GIG takes the main screen away, and its options
            QVERIFY(visiblewindow("gig") && !visiblewindow("savefrm"));
            QTest::keyClick(visiblewindow("gig"), Qt::Key_Escape);
            QVERIFY(main.isVisible() && !visiblewindow("savefrm"));
            g.click("main", "Command5");
            g.click("savefrm", "thefile"); // SAVE waits for a click on the name
            visiblewindow("savefrm")->close();
            g.click("main", "Command5"); // closed: it starts afresh
            QVERIFY(!g.enabled("savefrm", "save"));
            g.click("savefrm", "thefile");
            QVERIFY(g.enabled("savefrm", "save") && !g.enabled("savefrm", "load"));
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
        QVERIFY(!visiblewindow("savefrm") && !g.frontend.titlescreen().isVisible());
        QVERIFY(g.text("txtname") == "The Roadies" &&
                g.onmain<QListWidget>("songlist")->count() == 2);
    }

    void aGigIsPlayedAndADemoSignsTheBand() {
        ScreenGame g;
        const std::string name = "<b>" + std::string(60, 'H') + "</b>"; // no blank to wrap at
        g.newgame(name);
        auto& s = g.formband(12);
        std::tie(s.venueopen, s.popularity) =
            std::tuple(Ints<venuecount>{0, vbtrue, vbtrue, vbfalse, vbfalse, vbfalse}, 60);
        g.click("main", "command4"); // BOOK GIG
        QVERIFY(!g.enabled("gig", "location3") && !g.enabled("gig", "command1") &&
                !g.frontend.mainscreen().isVisible());
        g.click("gig", "location1"); // The Queens Head: APPLY comes, PLAY GIG waits for a yes
        QVERIFY(g.enabled("gig", "command1") && !g.enabled("gig", "command4"));
        g.click("gig", "command1"); // APPLY
        auto* picker = g.find<QComboBox>("gig", "Combo1");
        pick(picker, 9); // the lowest row shown
        pick(picker, 9);
        QCOMPARE(g.dialogs.messages().back(), "This track is already on the list!");
        QCOMPARE(g.text("tracks0", "gig"), QString("1. Song 10"));
        g.click("gig", "command3"); // CLEAR LIST
        QCOMPARE(g.text("tracks0", "gig"), QString());
        for (int row = 0; row < setlength; ++row)
            pick(picker, row);
        QCOMPARE(g.text("tracks5", "gig"), QString("6. Song 6"));
        g.click("gig", "command4"); // PLAY GIG

        QWidget* magazine = visiblewindow("thenewspaper");
        QVERIFY(magazine && !visiblewindow("gig") && !g.frontend.mainscreen().isVisible());
        auto* article = g.find<QLabel>("thenewspaper", "txtnews");
        QString read = QAccessible::queryAccessibleInterface(article)->text(QAccessible::Name);
        QVERIFY(read.remove(QChar(0x200B)).startsWith(QString::fromStdString(s.gigreview)));
        QVERIFY(read.contains(QString::fromStdString(name)));
        const QFontMetrics type(article->font()); // a typewriter's even letters
        QCOMPARE(type.horizontalAdvance("iiiii"), type.horizontalAdvance("WWWWW"));
        QTest::keyClick(magazine, Qt::Key_Escape); // OK
        QVERIFY(g.frontend.mainscreen().isVisible() && !visiblewindow("thenewspaper"));
        QVERIFY(!g.enabled("main", "command4") &&
                g.frontend.mainscreen().focusWidget() == g.onmain("command6"));

        std::tie(s.popularity, s.songquality[1]) = std::tuple(1000, 50); // a demo that signs
        clickrow(g.onmain<QListWidget>("songlist"), 0);
        clickrow(g.onmain<QListWidget>("members"), 0);
        g.click("main", "command3"); // SEND DEMO
        g.dialogs.answers = {false}; // no practice this week
        g.click("main", "command6");
        QWidget* deal = visiblewindow("Form2");
        QVERIFY(deal && !g.frontend.mainscreen().isVisible());
        QVERIFY(g.text("txt", "Form2")
                    .contains(". A new band called " + QString::fromStdString(s.bandname)));
        QVERIFY(QTest::qWaitForWindowActive(deal));
        press({Qt::Key_Return}); // YES has the focus
        QVERIFY(QTest::qWaitForWindowActive(&g.frontend.mainscreen()) && !visiblewindow("Form2"));
        QVERIFY(g.onmain<QListWidget>("songlist")->count() == 0 &&
                !g.enabled("main", "Command2")); // nobody of the new band picked
        g.dialogs.answers = {false};
        press({Qt::Key_Return}); // NEXT WEEK has the focus, not the quit "X"
        QVERIFY(g.text("txtdate") == shortdate(14) && g.dialogs.unexpected.empty());
    }

    // The real boxes: each answered on the control with the focus, as a player does with Enter
    // or Escape; then a box of a long file name, and one double-clicked on OK, whose second
    // click lands where the box was, on WRITE SONG.
    void theBoxesAnswerByKeyShowTheirTextAsItIsAndTakeOneClick() {
        QtDialogs dialogs;
        QStringList seen;
        auto answer = [&seen](Qt::Key key) {
            QTimer::singleShot(0, [&seen, key] {
                QWidget* modal = QApplication::activeModalWidget();
                seen << modal->windowTitle() + (box() ? QString::number(box()->icon()) : "");
                if (auto* input = qobject_cast<QInputDialog*>(modal))
                    input->findChild<QLineEdit*>()->setText(QString::fromUtf8("Mot\u00f6rhead"));
                QTest::keyClick(modal->focusWidget() ? modal->focusWidget() : modal, key);
            });
        };
        answer(Qt::Key_Escape);
        dialogs.message("!", Icon::stop);
        answer(Qt::Key_Return);
        const bool yes = dialogs.ask("Sure?");
        answer(Qt::Key_Return); // a careful question starts on No
        const bool careful = dialogs.askcarefully("Sure?");
        answer(Qt::Key_Return);
        const std::string typed = dialogs.prompt("Band?", "NEW BAND", "");
        answer(Qt::Key_Escape);
        const std::string cancelled = dialogs.prompt("Band?", "NEW BAND", "");
        QCOMPARE(std::tuple(yes, careful, typed, cancelled),
                 std::tuple(true, false, std::string("Mot\xc3\xb6rhead"), std::string()));
        QCOMPARE(seen,
                 QStringList({"Quorvane3", "Quorvane0", "Quorvane0", "NEW BAND", "NEW BAND"}));
        MersenneRandom random(1);
        Frontend frontend(random, dialogs);
        dialogs.attach(frontend.navigator());
        frontend.start();
        const QString file = "/saves/<b>" + QString(256, 'n') + "</b>";
        QTimer::singleShot(0, [&] {
            // The unbroken name wraps, so the box stays on the screen.
            QVERIFY(box()->screen()->availableGeometry().contains(box()->frameGeometry()));
            box()->accept();
        });
        dialogs.message(file.toStdString(), Icon::stop);

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
                if (box()) ++boxes, box()->reject();
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
