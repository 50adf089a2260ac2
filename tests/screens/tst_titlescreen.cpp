// The title screen, clicked through its real widgets.
#include "support/screenfixture.h"

using namespace quorvane;
using namespace quorvane::testing;

class TitleScreenTest : public QObject {
    Q_OBJECT

private slots:
    void newGameRefusesAnEmptyNameThenOpensTheMainScreen() {
        ScreenGame g;
        QVERIFY(g.frontend.titlescreen().isVisible() && !g.frontend.mainscreen().isVisible());
        g.newgame("");
        QCOMPARE(g.dialogs.shown.back(), (Shown{Shown::message, "Invalid Band Name.", Icon::stop}));
        QVERIFY(g.frontend.titlescreen().isVisible() && !g.frontend.mainscreen().isVisible());

        g.newgame("The Cardigans of Doom");
        QVERIFY(!g.frontend.titlescreen().isVisible() && g.frontend.mainscreen().isVisible());
        QCOMPARE(g.text("txtname"), QString("The Cardigans of Doom"));
        QCOMPARE(g.text("txtcash"), QString::fromUtf8("£ 1000"));
        QVERIFY(g.text("txtapplicant").contains("Vocalist, appears to have"));
    }

    void exitAndTheWindowCloseEndTheProgram() {
        for (bool bywindow : {false, true}) {
            ScreenGame g;
            if (bywindow)
                g.frontend.titlescreen().close();
            else
                g.click(g.ontitle("Label4"));
            QVERIFY(!g.frontend.titlescreen().isVisible() && !g.frontend.mainscreen().isVisible());
            QVERIFY(g.dialogs.shown.empty());
        }
    }

    void doubleClickingTheSecretSpotTellsAJoke() {
        ScreenGame g;
        QTest::mouseDClick(g.ontitle("secret"), Qt::LeftButton);
        QCOMPARE(g.dialogs.messages(), std::vector<std::string>{"Just get on and play will you!!"});
    }
};

QTEST_MAIN(TitleScreenTest)
#include "tst_titlescreen.moc"
