// A record deal reached through the weekly turn, answered YES or NO on the real screens,
// and the other things a manager does between gigs: interviews and holidays.
#include "media/interview.h"
#include "support/screenfixture.h"

#include <QListWidget>

using namespace quorvane;
using namespace quorvane::testing;

class CareerScreenTest : public QObject {
    Q_OBJECT

    // A famous band whose first track the label will love, sent off before NEXT WEEK.
    static QWidget* signing(ScreenGame& g) {
        g.newgame("Stars");
        g.formband();
        auto& s = g.frontend.game().state;
        std::tie(s.popularity, s.cash, s.songquality[1]) = std::tuple(1000, 5000, 50);
        auto* songs = g.onmain<QListWidget>("songlist");
        QTest::mouseClick(songs->viewport(), Qt::LeftButton, {},
                          songs->visualItemRect(songs->item(0)).center());
        g.click(g.onmain("command3")); // SEND DEMO
        g.dialogs.answers = {false};   // no practice this week
        g.click(g.onmain("command6"));
        return visiblewindow("Form2");
    }

private slots:
    void yesPlaysOnWithTheNewBand() {
        ScreenGame g;
        QWidget* deal = signing(g);
        QVERIFY(deal && !g.frontend.mainscreen().isVisible());
        auto& s = g.frontend.game().state;
        const QString text = g.find<QLabel>(*deal, "txt")->text();
        QVERIFY(text.startsWith("Congratulations! Your band has been signed to a record label."));
        QVERIFY(text.contains(". A new band called " + QString::fromStdString(s.bandname)));
        QCOMPARE(g.find<QLabel>(*deal, "Label1")->text(), QString("CONGRATULATIONS!"));
        QVERIFY(QTest::qWaitForWindowActive(deal));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // YES has the focus
        QVERIFY(g.frontend.mainscreen().isVisible() && !visiblewindow("Form2"));
        QCOMPARE(g.text("txtname"), QString::fromStdString(s.bandname));
        QCOMPARE(g.onmain<QListWidget>("members")->item(0)->text(),
                 QString::fromStdString(s.membername[1]));
        QCOMPARE(g.onmain<QListWidget>("songlist")->count(), 0);

        g.dialogs.answers = {true}; // BAND HOLIDAY, then an interview on the radio
        const QString date = g.text("txtdate");
        g.click(g.onmain("holiday"));
        QVERIFY(g.text("txtdate") != date);
        auto& game = g.frontend.game();
        std::tie(s.invitation, game.controls.interview) = std::tuple(radio, true);
        g.frontend.navigator().refresh();
        const int popularity = s.popularity;
        g.click(g.onmain("interview"));
        QVERIFY(s.popularity > popularity && !g.onmain("interview")->isEnabled());
        g.dialogs.answers = {false};
        g.click(g.onmain("command6"));
        QVERIFY(g.frontend.mainscreen().isVisible() && g.dialogs.unexpected.empty());
    }

    void noLandsOnTheTitleScreenAndTheNextGameStartsAfresh() {
        ScreenGame g;
        QWidget* deal = signing(g);
        QVERIFY(deal);
        g.click(g.find(*deal, "Label2")); // NO
        QVERIFY(g.frontend.titlescreen().isVisible() && !g.frontend.mainscreen().isVisible());
        g.newgame("Second Chance");
        QVERIFY(g.frontend.mainscreen().isVisible());
        QCOMPARE(g.onmain<QListWidget>("members")->count(), 0);
        QCOMPARE(g.onmain<QListWidget>("songlist")->count(), 0);
        QCOMPARE(g.text("txtcash"), QString::fromUtf8("£ 1000"));
    }
};

QTEST_MAIN(CareerScreenTest)
#include "tst_career.moc"
