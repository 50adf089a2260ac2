// The title and main screens, by keys alone and by mouse, through their real widgets.
#include "media/interview.h"
#include "roster/memberdetails.h"
#include "support/screenfixture.h"

#include <QDate>
#include <QListWidget>
#include <QLocale>
#include <QTextDocumentFragment>

using namespace quorvane;
using namespace quorvane::testing;

namespace {

QString shortdate(int days) {
    return QLocale().toString(QDate(2001, 9, 1).addDays(days), QLocale::ShortFormat);
}

} // namespace

class MainScreenTest : public QObject {
    Q_OBJECT

private slots:
    void aWeekGoesByWithoutTheMouse() {
        ScreenGame g;
        QVERIFY(QTest::qWaitForWindowActive(&g.frontend.titlescreen()));
        QCOMPARE(focused(), QString("New"));
        press(Qt::Key_Backtab); // the hidden joke's spot comes last
        press(Qt::Key_Return);
        press(Qt::Key_Tab);
        g.dialogs.typed = {"Keys"};
        press(Qt::Key_Return); // NEW GAME
        QVERIFY(QTest::qWaitForWindowActive(&g.frontend.mainscreen()));
        QCOMPARE(focused(), QString("hire"));
        for (int i = 0; i < membercount; ++i)
            press(Qt::Key_Return);
        QCOMPARE(focused(), QString("command6")); // on to NEXT WEEK, not round to the quit "X"
        auto& s = g.frontend.game().state;
        g.dialogs.answers = {false}; // no practice
        press(Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(g.text("txtdate"), shortdate(7));
        QVERIFY(tabto("members") && !g.onmain("Command2")->isEnabled());
        press(Qt::Key_Down); // the first arrow picks the first member
        QVERIFY(g.text("txtinstrument") == "Vocals" && g.onmain("Command2")->isEnabled());
        press(Qt::Key_Return);
        QCOMPARE(g.dialogs.messages(),
                 (std::vector<std::string>{"Just get on and play will you!!", moodreport(s, 1)}));
        QVERIFY(tabto("promote0"));
        press(Qt::Key_Space); // None
        press(Qt::Key_Down);  // the arrows only look at Small
        QVERIFY(focused() == "promote1" && s.promotion == 1);
        press(Qt::Key_Space);
        QCOMPARE(s.promotion, 2);
        QVERIFY(tabto("Command5"));
        press(Qt::Key_Return); // GAME OPTIONS
        QWidget* files = visiblewindow("savefrm");
        QTRY_VERIFY(files && files->isActiveWindow());
        QVERIFY(tabto("thefile") && g.find("savefrm", "save")->isEnabled()); // as a click
        press(Qt::Key_Escape);                                               // BACK
        QVERIFY(!visiblewindow("savefrm") && g.dialogs.unexpected.empty());
    }

    void aBandLivesThroughSeveralWeeks() {
        ScreenGame g;
        g.newgame("<b>Life</b> & Soul"); // a name as a screen reader and the tool tip read it
        auto* name = g.onmain<QLabel>("txtname");
        QCOMPARE(QAccessible::queryAccessibleInterface(name)->text(QAccessible::Name) + " " +
                     QTextDocumentFragment::fromHtml(name->toolTip()).toPlainText(),
                 QString("<b>Life</b> & Soul <b>Life</b> & Soul"));
        g.click("main", "command4"); // BOOK GIG checks the band first
        QCOMPARE(g.dialogs.messages().back(), "You must have a full band before performing!");
        const QString first = g.text("txtapplicant");
        g.click("main", "dismiss");
        QVERIFY(g.text("txtapplicant") != first);
        QWidget& main = g.frontend.mainscreen();
        QWidget* next = g.onmain("command6"); // a double-click on NEXT WEEK runs one week
        QTest::mouseDClick(main.windowHandle(), Qt::LeftButton, {},
                           next->mapTo(&main, next->rect().center()));
        QCOMPARE(g.text("txtdate"), shortdate(7));
        for (const char* wanted : {"Vocalist", "Guitar player", "Bass player", "Drums player"}) {
            QVERIFY(g.text("txtapplicant").contains(wanted));
            g.click("main", "hire");
        }
        QVERIFY(g.text("txtapplicant") == "No Applicants" && !g.onmain("hire")->isEnabled());
        auto& s = g.frontend.game().state;
        auto* members = g.onmain<QListWidget>("members");
        auto row = [](QListWidget* list, int r) {
            return list->visualItemRect(list->item(r)).center();
        };
        QTest::mouseClick(members->viewport(), Qt::LeftButton, {}, row(members, 1));
        QCOMPARE(g.text("txtage"), QString::number(s.memberage[2]));
        QCOMPARE(g.text("txtinstrument"), QString("Guitar"));
        QTest::mouseDClick(members->viewport(), Qt::LeftButton, {}, row(members, 1));
        QCOMPARE(g.dialogs.messages().back(), moodreport(s, 2));

        g.click("main", "command1"); // WRITE SONG
        g.click("main", "promote1"); // Small
        for (int weeks = s.songtimer; weeks > 0; --weeks) {
            const int cash = s.cash;
            g.dialogs.answers = {false}; // no practice
            g.click("main", "command6");
            QVERIFY(s.cash <= cash - 100 - 4 && s.cash >= cash - 100 - 12);
        }
        QCOMPARE(g.text("txtcash"), QString::fromUtf8("£ %1").arg(s.cash));
        auto* songs = g.onmain<QListWidget>("songlist");
        QCOMPARE(songs->item(0)->text(), QString::fromStdString(s.songname[1]));
        QTest::mouseClick(songs->viewport(), Qt::LeftButton, {}, row(songs, 0));
        g.click("main", "command3"); // SEND DEMO
        QCOMPARE(g.dialogs.messages().back(), "You have sent a demo to the record company");

        QTest::mouseClick(members->viewport(), Qt::LeftButton, {}, row(members, 0));
        const int cash = s.cash;
        g.dialogs.answers = {true, true, true};
        g.click("main", "Label13"); // LESSONS
        QCOMPARE(s.cash, cash - 75);
        const QString date = g.text("txtdate");
        g.click("main", "holiday");
        QVERIFY(g.text("txtdate") != date);
        QTest::mouseClick(members->viewport(), Qt::LeftButton, {}, row(members, 1));
        g.click("main", "Command2"); // SACK
        QVERIFY(members->count() == 3 && g.text("txtapplicant").contains("Guitar player"));
        QVERIFY(!g.onmain("Command2")->isEnabled() && g.text("txtage").isEmpty());
        std::tie(s.invitation, g.frontend.game().controls.interview) = std::tuple(radio, true);
        g.frontend.navigator().refresh();
        const int popularity = s.popularity;
        g.click("main", "interview");
        QVERIFY(s.popularity > popularity && !g.onmain("interview")->isEnabled());
        auto where = [&g](const char* control) { // a long name or a wider sum moves nothing
            QWidget* w = g.onmain(control);
            return QRect(w->mapTo(&g.frontend.mainscreen(), QPoint()), w->size());
        };
        const auto before = std::tuple(where("command6"), where("txtdate"), where("txtcash"));
        std::tie(s.bandname, s.cash) = std::tuple(std::string(126, 'W'), -32768);
        g.frontend.navigator().refresh();
        QCoreApplication::processEvents();
        QCOMPARE(std::tuple(where("command6"), where("txtdate"), where("txtcash")), before);
        QVERIFY(name->text().endsWith(QChar(0x2026)) && g.dialogs.unexpected.empty());
    }

    void theGameEndsByExitOrQuitAndNotByAHastyNo() {
        for (int way = 0; way < 2; ++way) { // EXIT, the title window's close
            ScreenGame g;
            way == 0 ? g.click("Form1", "Label4") : void(g.frontend.titlescreen().close());
            QVERIFY(!g.frontend.titlescreen().isVisible() && g.dialogs.shown.empty());
        }
        ScreenGame g;
        g.newgame("");
        QCOMPARE(g.dialogs.messages(), std::vector<std::string>{"Invalid Band Name."});
        QVERIFY(g.frontend.titlescreen().isVisible() && !g.frontend.mainscreen().isVisible());
        g.newgame("Stayers");
        g.dialogs.answers = {false, false, true}; // the X, then the window's close twice
        g.click("main", "exitbtn");
        g.frontend.mainscreen().close();
        QVERIFY(g.frontend.mainscreen().isVisible());
        g.frontend.mainscreen().close();
        QVERIFY(!g.frontend.mainscreen().isVisible() && !g.frontend.titlescreen().isVisible());
        QCOMPARE(g.dialogs.shown.back(), (Shown{Shown::careful, "Are you sure you want to quit?"}));
    }
};

QTEST_MAIN(MainScreenTest)
#include "tst_mainscreen.moc"
