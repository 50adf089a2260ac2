// Saving and loading through the real file options screen.
#include "support/screenfixture.h"
#include "support/tempfolder.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QScreen>

using namespace quorvane;
using namespace quorvane::testing;

namespace {

QWidget* fileoptions() {
    return visiblewindow("savefrm");
}

QWidget* onfiles(const char* name) {
    return fileoptions()->findChild<QWidget*>(name);
}
QString filename() {
    return fileoptions()->findChild<QLineEdit*>("thefile")->text();
}

// Clicks a file in the file list, once the list's background scan has found it.
void pick(const QString& name) {
    auto* list = fileoptions()->findChild<QListView*>("File1");
    auto row = [list, &name] {
        const auto found = list->model()->match(list->model()->index(0, 0, list->rootIndex()),
                                                Qt::DisplayRole, name, 1, Qt::MatchExactly);
        return found.isEmpty() ? QModelIndex() : found.front();
    };
    QTRY_VERIFY(row().isValid());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(row()).center());
}

} // namespace

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
                g.click(g.onmain("hire"));
            auto& s = g.frontend.game().state;
            s.songname[1] = "Wild Vibes"; // as if the band had written two songs
            s.songname[2] = "Blue Party";
            s.songcount = s.lastsong = 2;
            g.click(g.onmain("Command5"));
            QVERIFY(onfiles("save")->isVisible() && !onfiles("save")->isEnabled());
            QVERIFY(!darktext(onfiles("save"))); // it looks disabled too
            QCOMPARE(onfiles("Label15")->property("text").toString(), QString("SAVE"));
            g.click(onfiles("thefile"));
            QVERIFY(onfiles("save")->isEnabled() && !onfiles("load")->isEnabled());
            QVERIFY(darktext(onfiles("save")));
            QTest::keyClicks(onfiles("thefile"), "roadies.zef");
            g.click(onfiles("save"));
            QCOMPARE(g.dialogs.messages(), std::vector<std::string>{"Game Saved"});
            QVERIFY(!fileoptions() && g.frontend.mainscreen().isVisible());
        }
        ScreenGame g;
        g.click(g.ontitle("load"));
        QVERIFY(!onfiles("save")->isVisible());
        pick("roadies.zef");
        QCOMPARE(filename(), QString("roadies.zef"));
        QVERIFY(!onfiles("save")->isVisible());
        g.click(onfiles("load"));

        QCOMPARE(g.dialogs.messages(), std::vector<std::string>{"Game Loaded"});
        QVERIFY(!fileoptions() && !g.frontend.titlescreen().isVisible());
        QVERIFY(g.frontend.mainscreen().isVisible());
        QCOMPARE(g.text("txtname"), QString("The Roadies"));
        QCOMPARE(g.onmain<QListWidget>("members")->count(), 3);
        QCOMPARE(g.onmain<QListWidget>("songlist")->item(1)->text(), QString("Blue Party"));
        QVERIFY(g.text("txtapplicant").contains("Drums player"));
    }

    void anInvalidFileKeepsTheScreenOpenAndBackKeepsTheName() {
        writebytes(folder.file("broken.zef"), "");
        ScreenGame g;
        g.click(g.ontitle("load"));
        pick("broken.zef");
        g.click(onfiles("load"));
        QCOMPARE(g.dialogs.shown.back(),
                 (Shown{Shown::message, "This file is not valid or does not exist.", Icon::stop}));
        QVERIFY(fileoptions() && g.frontend.titlescreen().isVisible());

        g.click(onfiles("back"));
        QVERIFY(!fileoptions());
        g.click(g.ontitle("load"));
        QCOMPARE(filename(), QString("broken.zef"));
        fileoptions()->close();
        QVERIFY(!fileoptions() && g.frontend.titlescreen().isVisible());
        QVERIFY(!g.frontend.mainscreen().isVisible());
        g.click(g.ontitle("load"));
        QCOMPARE(filename(), QString()); // a closed screen starts afresh
    }

    void theScreenLiesWhollyOnTheScreenWhenItsOpenerIsAtTheCorner() {
        ScreenGame g;
        g.newgame("Cornered");
        QWidget& main = g.frontend.mainscreen();
        const QRect room = main.screen()->availableGeometry();
        main.move(room.bottomRight() - QPoint(40, 40));
        g.click(g.onmain("Command5"));
        QVERIFY(room.contains(fileoptions()->frameGeometry())); // and all it holds
    }
};

QTEST_MAIN(FileOptionsScreenTest)
#include "tst_fileoptions.moc"
