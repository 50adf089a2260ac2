// The main screen, clicked through its real widgets.
#include "roster/memberdetails.h"
#include "support/screenfixture.h"

#include <QDate>
#include <QListWidget>
#include <QLocale>

using namespace quorvane;
using namespace quorvane::testing;

class MainScreenTest : public QObject {
    Q_OBJECT

private slots:
    void buttonsCarryTheirCaptionsAndToolTips() {
        const char* rows[][3] = {{"Command2", "SACK THIS MEMBER", ""},
                                 {"Command5", "GAME OPTIONS", ""},
                                 {"Label13", "LESSONS", "Further information on a band member"},
                                 {"holiday", "BAND HOLIDAY", "Book a holiday for the band"},
                                 {"command3", "SEND DEMO", "Send demo tape to Recording company"},
                                 {"interview", "INTERVIEW", "Let the band do an interview"},
                                 {"command6", "NEXT WEEK", "Ends current week"},
                                 {"command4", "BOOK GIG", "Book a gig for the band"},
                                 {"command1", "WRITE SONG", "Makes the band record a new track"},
                                 {"promote1", "Small      £100", ""},
                                 {"promote2", "Medium   £250", ""},
                                 {"promote3", "High       £400", ""}};
        ScreenGame g;
        for (const auto& [name, caption, tooltip] : rows) {
            QWidget* widget = g.onmain(name);
            QCOMPARE(widget->property("text").toString(), QString::fromUtf8(caption));
            QCOMPARE(widget->toolTip(), QString(tooltip));
        }
        QVERIFY(!g.onmain("Command2")->isEnabled() && !g.onmain("interview")->isEnabled());
    }

    void theFocusIsAlwaysInSight() {
        ScreenGame g;
        g.newgame("Keys");
        QVERIFY(QTest::qWaitForWindowActive(&g.frontend.mainscreen()));
        for (const char* name : {"hire", "command6", "members", "promote0"}) {
            g.onmain(name)->setFocus();
            QVERIFY2(ringed(g.onmain(name)), name);
        }
        QVERIFY(!ringed(g.onmain("dismiss")));
    }

    // A week by keys alone. Tab walks each screen in reading order, and every stop has a name
    // a screen reader can say.
    void aWeekGoesByWithoutTheMouse() {
        ScreenGame g;
        auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
            QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        };
        auto focused = [] { return QApplication::focusWidget()->objectName(); };
        QWidget* title = &g.frontend.titlescreen();
        QVERIFY(QTest::qWaitForWindowActive(title));
        QCOMPARE(tabstops(title), QStringList({"New", "load", "Label4", "secret"}));
        QCOMPARE(focused(), QString("New"));
        press(Qt::Key_Backtab);
        press(Qt::Key_Return);
        QCOMPARE(g.dialogs.messages(), std::vector<std::string>{"Just get on and play will you!!"});
        press(Qt::Key_Tab);
        g.dialogs.typed = {"Keys"};
        press(Qt::Key_Return); // NEW GAME

        QWidget* main = &g.frontend.mainscreen();
        QVERIFY(QTest::qWaitForWindowActive(main));
        QCOMPARE(
            tabstops(main),
            QStringList({"exitbtn", "members", "Command2", "songlist", "promote0", "promote1",
                         "promote2", "promote3", "command1", "command4", "command3", "interview",
                         "Label13", "holiday", "Command5", "command6", "hire", "dismiss"}));
        for (int i = 0; i < membercount; ++i)
            press(Qt::Key_Return); // HIRE
        QCOMPARE(g.onmain<QListWidget>("members")->count(), membercount);
        QCOMPARE(focused(), QString("command6")); // not round to the quit control
        auto& s = g.frontend.game().state;
        const Date monday = s.gamedate;
        g.dialogs.answers = {false}; // no practice
        press(Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(s.gamedate, adddays(monday, 7));
        press(Qt::Key_Tab);
        press(Qt::Key_Tab);
        QVERIFY(focused() == "members" && !g.onmain("Command2")->isEnabled()); // none picked yet
        press(Qt::Key_Down);
        QVERIFY(g.text("txtinstrument") == "Vocals" && g.onmain("Command2")->isEnabled());
        press(Qt::Key_Return);
        QCOMPARE(g.dialogs.messages().back(), moodreport(s, 1));
        for (int i = 0; i < 20 && focused() != "Command5"; ++i)
            press(Qt::Key_Tab);
        press(Qt::Key_Return); // GAME OPTIONS

        QWidget* files = visiblewindow("savefrm");
        QVERIFY(files);
        QTRY_VERIFY(files->isActiveWindow()); // Qt calls a window over its owner active at once
        QCOMPARE(tabstops(files),
                 QStringList({"Drive1", "Dir1", "File1", "thefile", "save", "load", "back"}));
        for (int i = 0; i < 5 && focused() != "thefile"; ++i)
            press(Qt::Key_Tab);
        QVERIFY(files->findChild<QWidget*>("save")->isEnabled()); // as a click in the box
        press(Qt::Key_Escape);                                    // BACK
        QVERIFY(!visiblewindow("savefrm") && main->isVisible());
        QVERIFY(g.dialogs.unexpected.empty());
    }

    void aBandLivesThroughSeveralWeeks() {
        ScreenGame g;
        g.newgame("Lifers");
        auto* members = g.onmain<QListWidget>("members");
        const QString first = g.text("txtapplicant");
        g.click(g.onmain("dismiss"));
        QVERIFY(g.text("txtapplicant") != first && members->count() == 0);
        for (const char* wanted : {"Vocalist", "Guitar player", "Bass player", "Drums player"}) {
            QVERIFY(g.text("txtapplicant").contains(wanted));
            g.click(g.onmain("hire"));
        }
        QCOMPARE(g.text("txtapplicant"), QString("No Applicants"));
        QVERIFY(!g.onmain("hire")->isEnabled() && !g.onmain("dismiss")->isEnabled());
        auto& s = g.frontend.game().state;
        auto row = [members](int r) { return members->visualItemRect(members->item(r)).center(); };
        QTest::mouseClick(members->viewport(), Qt::LeftButton, {}, row(1));
        QCOMPARE(g.text("txtinstrument"), QString("Guitar"));
        QCOMPARE(g.text("txtage"), QString::number(s.memberage[2]));
        QVERIFY(g.onmain("Command2")->isEnabled());
        QTest::mouseDClick(members->viewport(), Qt::LeftButton, {}, row(1));
        QCOMPARE(g.dialogs.messages().back(), moodreport(s, 2));

        g.click(g.onmain("command1")); // WRITE SONG
        g.click(g.onmain("promote1")); // Small
        QCOMPARE(s.promotion, 2);
        const int weeks = s.songtimer;
        for (int week = 1; week <= weeks; ++week) {
            const int cash = s.cash;
            g.dialogs.answers = {false}; // no practice
            g.click(g.onmain("command6"));
            QVERIFY(s.cash <= cash - 100 - 4 && s.cash >= cash - 100 - 12);
        }
        QCOMPARE(g.text("txtdate"),
                 QLocale().toString(QDate(2001, 9, 1).addDays(7 * weeks), QLocale::ShortFormat));
        QCOMPARE(g.text("txtcash"), QString::fromUtf8("£ %1").arg(s.cash));
        auto* songs = g.onmain<QListWidget>("songlist");
        QCOMPARE(songs->count(), 1);
        QCOMPARE(songs->item(0)->text(), QString::fromStdString(s.songname[1]));
        QTest::mouseClick(songs->viewport(), Qt::LeftButton, {},
                          songs->visualItemRect(songs->item(0)).center());
        QCOMPARE(g.frontend.game().main.selectedsong, 1);

        QTest::mouseClick(members->viewport(), Qt::LeftButton, {}, row(0));
        const int cash = s.cash;
        g.dialogs.answers = {true};
        g.click(g.onmain("Label13")); // LESSONS
        QCOMPARE(s.cash, cash - 75);
        QTest::mouseClick(members->viewport(), Qt::LeftButton, {}, row(1));
        g.dialogs.answers = {true};
        g.click(g.onmain("Command2"));
        QCOMPARE(members->count(), 3);
        QVERIFY(g.text("txtapplicant").contains("Guitar player"));
        QVERIFY(!g.onmain("Command2")->isEnabled() && g.text("txtage").isEmpty());
        QVERIFY(g.dialogs.unexpected.empty());
    }

    void aLongBandNameOrAWiderSumMovesNothing() {
        ScreenGame g;
        g.newgame("Short");
        auto where = [&g](const char* name) {
            QWidget* w = g.onmain(name);
            return QRect(w->mapTo(&g.frontend.mainscreen(), QPoint()), w->size());
        };
        const QRect nextweek = where("command6"), date = where("txtdate"), cash = where("txtcash");
        auto& s = g.frontend.game().state;
        s.bandname = std::string(126, 'W');
        s.cash = -32768;
        s.gamedate = adddays(s.gamedate, 7 * 15); // a two-digit day and month
        g.frontend.navigator().refresh();
        QCoreApplication::processEvents();
        QCOMPARE(where("command6"), nextweek);
        QCOMPARE(where("txtdate"), date);
        QCOMPARE(where("txtcash"), cash);
        auto* name = g.onmain<QLabel>("txtname");
        QVERIFY(name->text().endsWith(QChar(0x2026)) && name->text().size() < 126);
        QVERIFY(name->toolTip().remove(QChar(0x200B)).contains(QString(126, 'W')));
    }

    void theGameEndsByExitOrQuitAndTheTitleScreenJokes() {
        for (int way = 0; way < 2; ++way) { // EXIT, the title window's close
            ScreenGame g;
            way == 0 ? g.click(g.ontitle("Label4")) : void(g.frontend.titlescreen().close());
            QVERIFY(!g.frontend.titlescreen().isVisible() && g.dialogs.shown.empty());
        }
        ScreenGame g;
        QTest::mouseDClick(g.ontitle("secret"), Qt::LeftButton);
        g.newgame("");
        QCOMPARE(g.dialogs.messages(), (std::vector<std::string>{"Just get on and play will you!!",
                                                                 "Invalid Band Name."}));
        QVERIFY(g.frontend.titlescreen().isVisible() && !g.frontend.mainscreen().isVisible());
        g.newgame("Stayers");
        g.dialogs.answers = {false, false, true}; // the X, then the window's close twice
        g.click(g.onmain("exitbtn"));
        g.frontend.mainscreen().close();
        QVERIFY(g.frontend.mainscreen().isVisible());
        g.frontend.mainscreen().close();
        QVERIFY(!g.frontend.mainscreen().isVisible() && !g.frontend.titlescreen().isVisible());
        QCOMPARE(g.dialogs.shown.back(),
                 (Shown{Shown::question, "Are you sure you want to quit?"}));
    }
};

QTEST_MAIN(MainScreenTest)
#include "tst_mainscreen.moc"
