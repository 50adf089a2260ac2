// Saving and loading through the real file options screen, which stays over its opener.
#include "support/screenfixture.h"
#include "support/tempfolder.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QWindow>

using namespace quorvane;
using namespace quorvane::testing;

class FileOptionsScreenTest : public QObject {
    Q_OBJECT

    TempFolder folder;

private slots:
    void init() { QDir::setCurrent(QString::fromStdString(folder.path())); }

    void savesFromGameOptionsAndLoadsFromTheTitleScreen() {
        {
            ScreenGame g;
            g.newgame("The Roadies");
            for (int i = 0; i < 3; ++i)
                g.click("main", "hire");
            auto& s = g.frontend.game().state;
            std::tie(s.songname[1], s.songname[2]) = std::tuple("Wild Vibes", "Blue Party");
            s.songcount = s.lastsong = 2;
            g.click("main", "Command5");
            QVERIFY(!g.find("savefrm", "save")->isEnabled());
            g.click("savefrm", "thefile");
            QVERIFY(g.find("savefrm", "save")->isEnabled() &&
                    !g.find("savefrm", "load")->isEnabled());
            QTest::keyClicks(g.find("savefrm", "thefile"), ".roadies.zef"); // a dot-file
            g.click("savefrm", "save");
            QCOMPARE(g.dialogs.messages(), std::vector<std::string>{"Game Saved"});
            QVERIFY(!visiblewindow("savefrm") && g.frontend.mainscreen().isVisible());
        }
        writebytes(folder.file("broken.zef"), "");
        ScreenGame g;
        g.click("Form1", "load");
        QVERIFY(!g.find("savefrm", "save")->isVisible());
        auto* files = g.find<QListWidget>("savefrm", "File1");
        QCOMPARE(QAccessible::queryAccessibleInterface(files)->childCount(), 2); // both rows
        QTRY_VERIFY(files->isActiveWindow());
        files->setFocus(Qt::TabFocusReason);
        QTest::keyClick(files, Qt::Key_Down); // the first arrow picks the first file
        QCOMPARE(g.find<QLineEdit>("savefrm", "thefile")->text(), QString(".roadies.zef"));
        QTest::keyClick(files, Qt::Key_Down);
        g.click("savefrm", "load");
        QCOMPARE(g.dialogs.shown.back(),
                 (Shown{Shown::message, "This file is not valid or does not exist.", Icon::stop}));
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                          files->visualItemRect(files->item(0)).center());
        g.click("savefrm", "load");
        QCOMPARE(g.dialogs.messages().back(), "Game Loaded");
        QVERIFY(!visiblewindow("savefrm") && !g.frontend.titlescreen().isVisible());
        QCOMPARE(g.text("txtname"), QString("The Roadies"));
        QCOMPARE(g.onmain<QListWidget>("members")->count(), 3);
        QCOMPARE(g.onmain<QListWidget>("songlist")->item(1)->text(), QString("Blue Party"));
        QVERIFY(g.text("txtapplicant").contains("Drums player"));
    }

    void theScreenStaysOverItsOpenerAndGoesWhenItDoes() {
        ScreenGame g;
        g.newgame("Cornered");
        g.formband(0);
        QWidget& main = g.frontend.mainscreen();
        const QRect room = main.screen()->availableGeometry();
        main.move(room.bottomRight() - QPoint(40, 40));
        g.click("main", "Command5");
        QWidget* files = visiblewindow("savefrm");
        QVERIFY(room.contains(files->frameGeometry())); // wholly on the screen
        QCOMPARE(files->windowHandle()->transientParent(), main.windowHandle());
        QTest::keyClicks(g.find("savefrm", "thefile"), "kept.zef");
        g.click("main", "command4"); // BOOK GIG takes the main screen away, and its options
        QVERIFY(visiblewindow("gig") && !visiblewindow("savefrm"));
        QTest::keyClick(visiblewindow("gig"), Qt::Key_Escape);
        QVERIFY(main.isVisible() && !visiblewindow("savefrm"));
        g.click("main", "Command5"); // hidden, not closed: the name is still there
        QCOMPARE(g.find<QLineEdit>("savefrm", "thefile")->text(), QString("kept.zef"));
        visiblewindow("savefrm")->close();
        g.click("main", "Command5"); // closed: it starts afresh
        QCOMPARE(g.find<QLineEdit>("savefrm", "thefile")->text(), QString());
    }
};

QTEST_MAIN(FileOptionsScreenTest)
#include "tst_fileoptions.moc"
