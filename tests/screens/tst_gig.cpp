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
        const std::string name = "<b>" + std::string(60, 'H') + "</b>"; // no blank to wrap at
        g.newgame(name);
        auto& s = g.formband(12);
        s.venueopen = {0, vbtrue, vbtrue, vbfalse, vbfalse, vbfalse};
        s.popularity = 60;
        const int cash = s.cash;
        g.click("main", "command4"); // BOOK GIG, then BACK by Escape uses nothing up
        QVERIFY(visiblewindow("gig") && !g.frontend.mainscreen().isVisible());
        QTest::keyClick(visiblewindow("gig"), Qt::Key_Escape);
        QVERIFY(g.frontend.mainscreen().isVisible() && g.onmain("command4")->isEnabled());

        g.click("main", "command4");
        QVERIFY(!g.find("gig", "location3")->isEnabled() &&
                !g.find("gig", "command1")->isEnabled());
        QTest::keyClick(g.find("gig", "location0"), Qt::Key_Down); // the arrows only look
        QVERIFY(visiblewindow("gig")->focusWidget() == g.find("gig", "location1") &&
                !g.find("gig", "command1")->isEnabled());
        g.click("gig", "location1"); // The Queens Head: APPLY comes, PLAY GIG waits for a yes
        QVERIFY(g.find("gig", "command1")->isEnabled() && !g.find("gig", "command4")->isEnabled());
        g.click("gig", "command1"); // APPLY
        auto* picker = g.find<QComboBox>("gig", "Combo1");
        picker->showPopup(); // ten whole rows of the twelve, then a scroll bar
        QAbstractItemView* view = picker->view();
        QCOMPARE(view->viewport()->height(), 10 * view->sizeHintForRow(0));
        pick(picker, 9); // the lowest row shown
        pick(picker, 9);
        QCOMPARE(g.dialogs.messages().back(), "This track is already on the list!");
        QCOMPARE(QAccessible::queryAccessibleInterface(picker)->text(QAccessible::Name),
                 QString("Tracks to play"));
        QCOMPARE(g.find<QLabel>("gig", "tracks0")->text(), QString("1. Song 10"));
        g.click("gig", "command3"); // CLEAR LIST
        QCOMPARE(g.find<QLabel>("gig", "tracks0")->text(), QString());
        for (int row = 0; row < setlength; ++row)
            pick(picker, row);
        QCOMPARE(g.find<QLabel>("gig", "tracks5")->text(), QString("6. Song 6"));
        g.click("gig", "command4"); // PLAY GIG

        QWidget* magazine = visiblewindow("thenewspaper");
        QVERIFY(magazine && !visiblewindow("gig") && !g.frontend.mainscreen().isVisible());
        QCOMPARE(s.cash, cash + 50);
        auto* article = g.find<QLabel>("thenewspaper", "txtnews");
        QString read = QAccessible::queryAccessibleInterface(article)->text(QAccessible::Name);
        QVERIFY(read.remove(QChar(0x200B))
                    .startsWith(QString::fromStdString(s.gigreview) +
                                " The best song of the gig was Song 6"));
        QVERIFY(read.contains(QString::fromStdString(name)));
        const QFontMetrics type(article->font()); // a typewriter's even letters
        QCOMPARE(type.horizontalAdvance("iiiii"), type.horizontalAdvance("WWWWW"));
        const QRect page = article->contentsRect(); // and the long name inside the page
        QVERIFY(type.boundingRect(page, Qt::TextWordWrap, article->text()).width() <= page.width());
        QTest::keyClick(magazine, Qt::Key_Escape); // OK
        QVERIFY(g.frontend.mainscreen().isVisible() && !visiblewindow("thenewspaper"));
        QVERIFY(!g.onmain("command4")->isEnabled());
        QCOMPARE(g.frontend.mainscreen().focusWidget()->objectName(), QString("command6"));
        QVERIFY(g.dialogs.unexpected.empty());
    }
};

QTEST_MAIN(GigScreenTest)
#include "tst_gig.moc"
