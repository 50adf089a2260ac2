// Saving and loading through the real file options screen.
#include "support/screenfixture.h"
#include "support/tempfolder.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>

using namespace quorvane;
using namespace quorvane::testing;

namespace {

QWidget* fileoptions() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == "savefrm" && window->isVisible()) return window;
    return nullptr;
}

template <typename T = QWidget> T* onfiles(const char* name) {
    QWidget* screen = fileoptions();
    return screen ? screen->findChild<T*>(name) : nullptr;
}

// Clicks a file in the file list, once the list has found it.
void pick(const QString& name) {
    auto* list = onfiles<QListView>("File1");
    auto row = [list, &name] {
        const auto found = list->model()->match(list->model()->index(0, 0, list->rootIndex()),
                                                Qt::DisplayRole, name, 1, Qt::MatchExactly);
        return found.isEmpty() ? QModelIndex() : found.front();
    };
    QTRY_VERIFY(row().isValid());
    const QRect where = list->visualRect(row());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, where.center());
    QCOMPARE(onfiles<QLineEdit>("thefile")->text(), name);
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
            QVERIFY(fileoptions());
            QVERIFY(onfiles("save")->isVisible());
            QCOMPARE(onfiles<QLabel>("Label15")->text(), QString("SAVE"));
            QVERIFY(!onfiles("save")->isEnabled());
            g.click(onfiles("thefile"));
            QVERIFY(onfiles("save")->isEnabled());
            QVERIFY(!onfiles("load")->isEnabled());
            QTest::keyClicks(onfiles("thefile"), "roadies.zef");
            g.click(onfiles("save"));
            QCOMPARE(g.dialogs.messages(), std::vector<std::string>{"Game Saved"});
            QVERIFY(!fileoptions());
            QVERIFY(g.frontend.mainscreen().isVisible());
        }
        ScreenGame g;
        g.click(g.ontitle("load"));
        QVERIFY(fileoptions());
        QVERIFY(!onfiles("save")->isVisible());
        pick("roadies.zef");
        QCOMPARE(onfiles<QLineEdit>("thefile")->text(), QString("roadies.zef"));
        QVERIFY(!onfiles("save")->isVisible());
        g.click(onfiles("load"));

        QCOMPARE(g.dialogs.messages(), std::vector<std::string>{"Game Loaded"});
        QVERIFY(!fileoptions());
        QVERIFY(!g.frontend.titlescreen().isVisible());
        QVERIFY(g.frontend.mainscreen().isVisible());
        QCOMPARE(g.text("txtname"), QString("The Roadies"));
        QCOMPARE(g.onmain<QListWidget>("members")->count(), 3);
        auto* tracks = g.onmain<QListWidget>("songlist");
        QCOMPARE(tracks->count(), 2);
        QCOMPARE(tracks->item(1)->text(), QString("Blue Party"));
        QVERIFY(g.text("txtapplicant").contains("Drums player"));
    }

    void anInvalidFileKeepsTheScreenOpen() {
        writebytes(folder.file("broken.zef"), "");
        ScreenGame g;
        g.click(g.ontitle("load"));
        g.click(onfiles("thefile"));
        QTest::keyClicks(onfiles("thefile"), "broken.zef");
        QVERIFY2(!onfiles("load")->isEnabled(), "typing alone enables nothing");
        pick("broken.zef");
        g.click(onfiles("load"));
        QCOMPARE(g.dialogs.shown.back(),
                 (Shown{Shown::message, "This file is not valid or does not exist.", Icon::stop}));
        QVERIFY(fileoptions());
        QVERIFY(g.frontend.titlescreen().isVisible());
    }

    void backKeepsTheNameAndTheWindowCloseReturnsToTheTitle() {
        ScreenGame g;
        g.click(g.ontitle("load"));
        g.click(onfiles("thefile"));
        QTest::keyClicks(onfiles("thefile"), "later.zef");
        g.click(onfiles("back"));
        QVERIFY(!fileoptions());
        g.click(g.ontitle("load"));
        QCOMPARE(onfiles<QLineEdit>("thefile")->text(), QString("later.zef"));
        fileoptions()->close();
        QVERIFY(!fileoptions());
        QVERIFY(g.frontend.titlescreen().isVisible());
        QVERIFY(!g.frontend.mainscreen().isVisible());
        g.click(g.ontitle("load"));
        QCOMPARE(onfiles<QLineEdit>("thefile")->text(), QString()); // a closed screen starts afresh
    }
};

QTEST_MAIN(FileOptionsScreenTest)
#include "tst_fileoptions.moc"
