// A gig booked, played and reviewed through the real gig and magazine screens.
#include "support/screenfixture.h"

#include <QAbstractItemView>
#include <QComboBox>

using namespace quorvane;
using namespace quorvane::testing;

class GigScreenTest : public QObject {
    Q_OBJECT

    // Picks a row of the track picker as a player does: open it and click the row.
    static void pick(QComboBox* picker, int row) {
        picker->showPopup();
        QAbstractItemView* view = picker->view();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          view->visualRect(view->model()->index(row, 0)).center());
    }

private slots:
    void aGigIsBookedPlayedAndReviewed() {
        ScreenGame g;
        g.newgame("Headliners");
        g.formband();
        auto& s = g.frontend.game().state;
        s.venueopen = {0, vbtrue, vbtrue, vbfalse, vbfalse, vbfalse};
        s.popularity = 60;
        const int cash = s.cash;

        g.click(g.onmain("command4")); // BOOK GIG, then BACK by Escape uses nothing up
        QWidget* gig = visiblewindow("gig");
        QVERIFY(gig && !g.frontend.mainscreen().isVisible());
        QVERIFY(!g.find(*gig, "location3")->isEnabled() && !g.find(*gig, "command1")->isEnabled());
        QCOMPARE(tabstops(gig),
                 QStringList({"location0", "location1", "location2", "location3", "location4",
                              "command1", "Combo1", "command3", "Command2", "command4"}));
        QTest::keyClick(gig, Qt::Key_Escape);
        QVERIFY(g.frontend.mainscreen().isVisible() && g.onmain("command4")->isEnabled());

        g.click(g.onmain("command4"));
        gig = visiblewindow("gig");
        auto* picker = g.find<QComboBox>(*gig, "Combo1");
        QCOMPARE(picker->count(), 6);
        g.click(g.find(*gig, "location1")); // The Queens Head
        g.click(g.find(*gig, "command1"));  // APPLY
        QVERIFY(picker->isEnabled() && g.find(*gig, "command4")->isEnabled());
        pick(picker, 5);
        pick(picker, 5);
        QCOMPARE(g.dialogs.messages().back(), "This track is already on the list!");
        picker->setFocus(); // a key opens the list and adds nothing; Enter there picks
        QTest::keyClick(picker, Qt::Key_Down);
        QVERIFY(picker->view()->isVisible() && g.frontend.game().gig->trackcount == 1);
        QTest::keyClick(picker->view(), Qt::Key_Home);
        QTest::keyClick(picker->view(), Qt::Key_Return);
        for (int row = 1; row < 5; ++row)
            pick(picker, row);
        QCOMPARE(g.find<QLabel>(*gig, "tracks0")->text(), QString("1. Song 6"));
        QCOMPARE(g.find<QLabel>(*gig, "tracks5")->text(), QString("6. Song 5"));
        g.click(g.find(*gig, "command4")); // PLAY GIG

        QWidget* magazine = visiblewindow("thenewspaper");
        QVERIFY(magazine && !visiblewindow("gig") && !g.frontend.mainscreen().isVisible());
        QCOMPARE(s.cash, cash + 50);
        auto* article = g.find<QLabel>(*magazine, "txtnews");
        QVERIFY(article->text().startsWith(QString::fromStdString(s.gigreview) +
                                           " The best song of the gig was Song 6 which"));
        QVERIFY(QFontInfo(article->font()).fixedPitch());
        QCOMPARE(g.find<QLabel>(*magazine, "Label3")->text(), QString("MUSIC FANS MAGAZINE"));
        QVERIFY(QTest::qWaitForWindowActive(magazine));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // OK
        QVERIFY(g.frontend.mainscreen().isVisible() && !visiblewindow("thenewspaper"));
        QVERIFY(!g.onmain("command4")->isEnabled());
        QCOMPARE(g.text("txtcash"), QString::fromUtf8("£ %1").arg(s.cash));
        QVERIFY(g.dialogs.unexpected.empty());
    }
};

QTEST_MAIN(GigScreenTest)
#include "tst_gig.moc"
