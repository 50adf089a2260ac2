// The title screen, clicked through its real widgets.
#include "support/screenfixture.h"

#include <QApplication>

using namespace quorvane;
using namespace quorvane::testing;

class TitleScreenTest : public QObject {
    Q_OBJECT

private slots:
    void startsOnTheTitleWithTheMainScreenHidden() {
        ScreenGame g;
        QVERIFY(g.frontend.titlescreen().isVisible());
        QVERIFY(!g.frontend.mainscreen().isVisible());
        QCOMPARE(g.ontitle<QPushButton>("New")->text(), QString("NEW GAME"));
        QCOMPARE(g.ontitle<QPushButton>("load")->text(), QString("LOAD GAME"));
        QCOMPARE(g.ontitle<QPushButton>("Label4")->text(), QString("EXIT"));
        QCOMPARE(g.ontitle<QLabel>("Label1")->text(), QString("BETA"));
        QCOMPARE(g.ontitle<QLabel>("Label2")->text(), QString("QUORVANE"));
    }

    void newGameWithANameOpensTheMainScreen() {
        ScreenGame g;
        g.newgame("The Cardigans of Doom");
        QCOMPARE(g.dialogs.shown.front().text,
                 std::string("Please enter the name of the Band: | NEW BAND"));
        QVERIFY(g.frontend.mainscreen().isVisible());
        QVERIFY(!g.frontend.titlescreen().isVisible());
        QCOMPARE(g.text("txtname"), QString("The Cardigans of Doom"));
        QCOMPARE(g.text("txtcash"), QString::fromUtf8("£ 1000"));
        QVERIFY(g.text("txtapplicant").contains("Vocalist, appears to have"));
    }

    void anEmptyNameIsRefusedAndTheTitleStays() {
        ScreenGame g;
        g.newgame("");
        QCOMPARE(g.dialogs.shown.back(), (Shown{Shown::message, "Invalid Band Name.", Icon::stop}));
        QVERIFY(g.frontend.titlescreen().isVisible());
        QVERIFY(!g.frontend.mainscreen().isVisible());
        g.newgame("Second Go");
        QVERIFY(g.frontend.mainscreen().isVisible());
    }

    void exitAndTheWindowCloseEndTheProgram() {
        for (bool bywindow : {false, true}) {
            ScreenGame g;
            if (bywindow)
                g.frontend.titlescreen().close();
            else
                g.click(g.ontitle("Label4"));
            QVERIFY(!g.frontend.titlescreen().isVisible());
            QVERIFY(!g.frontend.mainscreen().isVisible());
            QVERIFY(g.dialogs.shown.empty());
        }
    }

    void doubleClickingTheSecretSpotTellsAJoke() {
        ScreenGame g;
        QTest::mouseDClick(g.ontitle("secret"), Qt::LeftButton);
        QCOMPARE(g.dialogs.messages(), std::vector<std::string>{"Just get on and play will you!!"});
        QVERIFY(g.frontend.titlescreen().isVisible());
    }
};

QTEST_MAIN(TitleScreenTest)
#include "tst_titlescreen.moc"
