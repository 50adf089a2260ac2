// A record deal reached through the weekly turn and answered YES on the real screens.
#include "support/screenfixture.h"

#include <QListWidget>

using namespace quorvane;
using namespace quorvane::testing;

class CareerScreenTest : public QObject {
    Q_OBJECT

    // A famous band whose first track the label will love, sent off before NEXT WEEK, with a
    // member picked.
    static QWidget* signing(ScreenGame& g) {
        g.newgame("Stars");
        auto& s = g.formband(setlength);
        std::tie(s.popularity, s.cash, s.songquality[1]) = std::tuple(1000, 5000, 50);
        for (const char* list : {"songlist", "members"}) {
            auto* rows = g.onmain<QListWidget>(list);
            QTest::mouseClick(rows->viewport(), Qt::LeftButton, {},
                              rows->visualItemRect(rows->item(0)).center());
        }
        g.click("main", "command3"); // SEND DEMO
        g.dialogs.answers = {false}; // no practice this week
        g.click("main", "command6");
        return visiblewindow("Form2");
    }

private slots:
    void yesPlaysOnWithTheNewBandFromNextWeek() {
        ScreenGame g;
        QWidget* deal = signing(g);
        QVERIFY(deal && !g.frontend.mainscreen().isVisible());
        auto& s = g.frontend.game().state;
        const QString text = g.find<QLabel>("Form2", "txt")->text();
        QVERIFY(text.startsWith("Congratulations! Your band has been signed to a record label."));
        QVERIFY(text.contains(". A new band called " + QString::fromStdString(s.bandname)));
        QVERIFY(QTest::qWaitForWindowActive(deal));
        press(Qt::Key_Return); // YES has the focus
        QWidget& main = g.frontend.mainscreen();
        QVERIFY(QTest::qWaitForWindowActive(&main) && !visiblewindow("Form2"));
        QCOMPARE(g.text("txtname"), QString::fromStdString(s.bandname));
        QCOMPARE(g.onmain<QListWidget>("members")->item(0)->text(),
                 QString::fromStdString(s.membername[1]));
        QVERIFY(g.onmain<QListWidget>("songlist")->count() == 0 &&
                !g.onmain("Command2")->isEnabled()); // nobody of the new band picked
        const QString date = g.text("txtdate");
        g.dialogs.answers = {false};
        press(Qt::Key_Return); // NEXT WEEK has the focus, not the quit "X"
        QVERIFY(g.text("txtdate") != date && g.dialogs.unexpected.empty());
    }
};

QTEST_MAIN(CareerScreenTest)
#include "tst_career.moc"
