// The main screen, clicked through its real widgets.
#include "support/screenfixture.h"

#include <QDate>
#include <QListWidget>
#include <QLocale>
#include <QRadioButton>

using namespace quorvane;
using namespace quorvane::testing;

class MainScreenTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlHasItsCaptionAndToolTip_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("tooltip");
        const char* rows[][3] = {{"Label2", "QUORVANE", ""},
                                 {"Label20", "DATE:", ""},
                                 {"Label19", "CASH:", ""},
                                 {"Label17", "BAND NAME", ""},
                                 {"Label16", "BAND MEMBERS", ""},
                                 {"Label15", "TRACK LIST", ""},
                                 {"Label14", "PROMOTION", ""},
                                 {"Label4", "APPLICANTS", ""},
                                 {"Label3", "X", ""},
                                 {"Label6", "Age:", ""},
                                 {"Label5", "Gender:", ""},
                                 {"Label7", "Instrument:", ""},
                                 {"Label9", "Talent:", ""},
                                 {"Label8", "Charisma:", ""},
                                 {"Label10", "Attitude:", ""},
                                 {"Label11", "Appearance:", ""},
                                 {"Command2", "SACK THIS MEMBER", ""},
                                 {"hire", "HIRE", ""},
                                 {"dismiss", "DISMISS", ""},
                                 {"Label13", "LESSONS", "Further information on a band member"},
                                 {"Command5", "GAME OPTIONS", ""},
                                 {"holiday", "BAND HOLIDAY", "Book a holiday for the band"},
                                 {"command3", "SEND DEMO", "Send demo tape to Recording company"},
                                 {"interview", "INTERVIEW", "Let the band do an interview"},
                                 {"command6", "NEXT WEEK", "Ends current week"},
                                 {"command4", "BOOK GIG", "Book a gig for the band"},
                                 {"command1", "WRITE SONG", "Makes the band record a new track"},
                                 {"promote0", "None", ""},
                                 {"promote1", "Small      £100", ""},
                                 {"promote2", "Medium   £250", ""},
                                 {"promote3", "High       £400", ""}};
        for (const auto& [name, caption, tooltip] : rows)
            QTest::newRow(name) << QString(name) << QString::fromUtf8(caption) << QString(tooltip);
    }
    void everyControlHasItsCaptionAndToolTip() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, tooltip);
        ScreenGame g;
        QWidget* widget = g.onmain(name.toUtf8().constData());
        const QVariant text = widget->property("text");
        QCOMPARE(text.toString(), caption);
        QCOMPARE(widget->toolTip(), tooltip);
    }

    void controlsStartAsTheGameExpects() {
        ScreenGame g;
        g.newgame("Openers");
        QVERIFY(!g.onmain("Command2")->isEnabled());
        QVERIFY(!g.onmain("interview")->isEnabled());
        QVERIFY(g.onmain("command4")->isEnabled());
        QVERIFY(g.onmain("exitbtn"));
        QVERIFY(g.onmain("members"));
        QVERIFY(g.onmain("songlist"));
        for (const char* option : {"promote0", "promote1", "promote2", "promote3"})
            QVERIFY(!g.onmain<QRadioButton>(option)->isChecked());
        QCOMPARE(g.text("txtdate"), QLocale().toString(QDate(2001, 9, 1), QLocale::ShortFormat));
    }

    void hiringFillsTheBandUntilNoApplicantsAreLeft() {
        ScreenGame g;
        g.newgame("Full House");
        auto* members = g.onmain<QListWidget>("members");
        const char* pieces[] = {"Vocalist, appears", "Guitar player", "Bass player",
                                "Drums player"};
        for (int hired = 0; hired < 4; ++hired) {
            QVERIFY2(g.text("txtapplicant").contains(pieces[hired]),
                     qPrintable(g.text("txtapplicant")));
            g.click(g.onmain("hire"));
            QCOMPARE(members->count(), hired + 1);
        }
        QCOMPARE(g.text("txtapplicant"), QString("No Applicants"));
        QVERIFY(!g.onmain("hire")->isEnabled());
        QVERIFY(!g.onmain("dismiss")->isEnabled());
        for (int slot = 1; slot <= 4; ++slot)
            QCOMPARE(members->item(slot - 1)->text(),
                     QString::fromStdString(g.frontend.game().state.membername[slot]));
    }

    void dismissOffersAnotherApplicantUntilTheWeeklyLimit() {
        ScreenGame g;
        g.newgame("Picky");
        for (int i = 0; i < 3; ++i)
            g.click(g.onmain("dismiss"));
        g.click(g.onmain("dismiss"));
        QCOMPARE(g.dialogs.messages(), std::vector<std::string>{"No more applicants this week."});
        QVERIFY(!g.onmain("hire")->isEnabled());
        QCOMPARE(g.text("txtapplicant"), QString());
    }

    void nextWeekMovesTheDateAndPaysTheBand() {
        ScreenGame g;
        g.newgame("Weekly");
        for (int i = 0; i < 4; ++i)
            g.click(g.onmain("hire"));
        g.dialogs.answers = {false}; // no practice
        g.click(g.onmain("command6"));
        QCOMPARE(g.dialogs.shown.back().text, std::string("Do you want the band to practise?"));
        QCOMPARE(g.text("txtdate"), QLocale().toString(QDate(2001, 9, 8), QLocale::ShortFormat));
        const int cash = g.frontend.game().state.cash;
        QVERIFY(cash >= 1000 - 12 && cash <= 1000 - 4);
        QCOMPARE(g.text("txtcash"), QString::fromUtf8("£ %1").arg(cash));
        QVERIFY(g.dialogs.unexpected.empty());
    }

    void quittingAsksFirstByTheXAndByTheWindow() {
        ScreenGame g;
        g.newgame("Stayers");
        g.dialogs.answers = {false, false};
        g.click(g.onmain("exitbtn"));
        g.frontend.mainscreen().close();
        QVERIFY(g.frontend.mainscreen().isVisible());
        QCOMPARE(g.dialogs.shown.back(),
                 (Shown{Shown::question, "Are you sure you want to quit?"}));
        QCOMPARE(g.dialogs.shown.size(), size_t{3});

        g.dialogs.answers = {true};
        g.frontend.mainscreen().close();
        QVERIFY(!g.frontend.mainscreen().isVisible());
        QVERIFY(!g.frontend.titlescreen().isVisible());
    }
};

QTEST_MAIN(MainScreenTest)
#include "tst_mainscreen.moc"
