// The real message boxes and prompt: their titles, icons, answers, keys and place on the
// screen.
#include "frontend.h"
#include "ports/mersennerandom.h"
#include "qtdialogs.h"
#include "roster/departures.h"
#include "roster/memberdetails.h"
#include "songs/songwriting.h"
#include "state/refresh.h"
#include "state/startup.h"
#include "support/scripted.h"
#include "titlescreen.h"
#include "turn/nextweek.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>

using namespace quorvane;

namespace {

// Presses a key on a modal box as a player would: on the control that has the focus.
void press(QWidget* box, Qt::Key key) {
    QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, key);
}

// Once the next modal box is up, notes its title and text, then presses `key`.
void answer(QString& seen, QMessageBox::Icon icon, Qt::Key key) {
    QTimer::singleShot(0, [&seen, icon, key] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box && box->icon() == icon);
        seen = box->windowTitle() + ": " + box->text();
        press(box, key);
    });
}

} // namespace

class QtDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void messagesAndQuestionsCarryTheGameTitleAndAnswerEnterAndEscape() {
        QtDialogs dialogs;
        QString seen;
        answer(seen, QMessageBox::Critical, Qt::Key_Return);
        dialogs.message("Invalid Band Name.", Icon::stop);
        QCOMPARE(seen, QString("Quorvane: Invalid Band Name."));
        answer(seen, QMessageBox::Warning, Qt::Key_Escape);
        dialogs.message("A warning", Icon::warning);
        QCOMPARE(seen, QString("Quorvane: A warning"));
        const struct {
            bool careful;
            Qt::Key key;
            bool yes;
        } keys[] = {{false, Qt::Key_Return, true},
                    {false, Qt::Key_Escape, false},
                    {true, Qt::Key_Return, false},
                    {true, Qt::Key_Escape, false}};
        for (const auto& [careful, key, yes] : keys) {
            answer(seen, QMessageBox::NoIcon, key);
            QCOMPARE(careful ? dialogs.askcarefully("Sure?") : dialogs.ask("Sure?"), yes);
        }
        QCOMPARE(seen, QString("Quorvane: Sure?"));
        QTimer::singleShot(0, [] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            box->button(QMessageBox::Yes)->click();
        });
        QVERIFY(dialogs.askcarefully("Sure?")); // a click still says Yes
    }

    // Enter on every box, as a player in a hurry: each question whose Yes loses something
    // answers No, and nothing is lost.
    void aHastyEnterQuitsNothingAndSparesTheBand() {
        QtDialogs dialogs;
        MersenneRandom random(7);
        testing::RecordingNavigator screens;
        Game game(random, dialogs, screens);
        startup(game);
        auto& s = game.state;
        for (int slot = 1; slot <= membercount; ++slot) {
            s.membername[slot] = "Member " + std::to_string(slot);
            s.happiness[slot] = 10;
        }
        listupdate(game);
        s.tiredness = 5;
        QStringList questions;
        QTimer enter; // presses Enter on every box the operations below bring up
        connect(&enter, &QTimer::timeout, [&questions] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            auto name = [box](QAbstractButton* b) {
                return box->standardButton(b) == QMessageBox::No ? "No" : "Yes";
            };
            if (box->button(QMessageBox::No))
                questions << box->text() + " Enter: " + name(box->defaultButton()) +
                                 ", Escape: " + name(box->escapeButton());
            press(box, Qt::Key_Return);
        });
        enter.start(0);
        quitgame(game);
        writesong(game);
        nextweek(game);
        showmember(game, 0);
        sackmember(game);
        enter.stop();
        QCOMPARE(questions,
                 QStringList({"Are you sure you want to quit? Enter: No, Escape: No",
                              "The band wants a rest before starting on a new song. Make them "
                              "record anyway? Enter: No, Escape: No",
                              "Do you want the band to practise? Enter: Yes, Escape: No",
                              "The band is tired, make them practise anyway? Enter: No, Escape: No",
                              "Are you sure you want to sack Member 1? Enter: No, Escape: No"}));
        QVERIFY(std::ranges::count(screens.calls, "quit") == 0 && s.songtimer == songidle);
        QVERIFY(s.fullband() && s.tiredness == 4); // no practice, one week's rest
    }

    void thePromptReturnsTheTypedTextByEnterOrNothingByEscape() {
        QtDialogs dialogs;
        for (bool cancel : {false, true}) {
            QTimer::singleShot(0, [cancel] {
                auto* input = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
                QVERIFY(input && input->windowTitle() == "NEW BAND");
                input->findChild<QLineEdit*>()->setText(QString::fromUtf8("Mot\u00f6rhead"));
                press(input, cancel ? Qt::Key_Escape : Qt::Key_Return);
            });
            QCOMPARE(dialogs.prompt("Please enter the name of the Band:", "NEW BAND", ""),
                     cancel ? std::string() : std::string("Mot\xc3\xb6rhead"));
        }
    }

    void boxesSitCentredOverTheWindowInFrontFromTheFirstOn() {
        QtDialogs dialogs;
        MersenneRandom random(1);
        Frontend frontend(random, dialogs);
        dialogs.attach(frontend.navigator());
        frontend.start();
        QWidget& title = frontend.titlescreen();
        title.move(30, 20);
        QList<QPoint> offsets;
        auto measure = [&offsets, &title] {
            QWidget* box = QApplication::activeModalWidget();
            offsets << box->frameGeometry().center() - title.frameGeometry().center();
            qobject_cast<QDialog*>(box)->reject();
        };
        for (int i = 0; i < 2; ++i) { // the prompt, cancelled, then "Invalid Band Name."
            QTimer::singleShot(0, measure);
            QTimer::singleShot(0, [&] { QTimer::singleShot(0, measure); });
            QTest::mouseClick(title.findChild<QWidget*>("New"), Qt::LeftButton);
        }
        QCOMPARE(offsets.size(), 4);
        for (const QPoint& offset : offsets)
            QVERIFY(offset.manhattanLength() <= 2);
    }
};

QTEST_MAIN(QtDialogsTest)
#include "tst_qtdialogs.moc"
