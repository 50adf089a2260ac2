// The real message boxes and prompt: titles, icons, answers, keys, their text and place, and
// the click that answers them.
#include "frontend.h"
#include "ports/mersennerandom.h"
#include "qtdialogs.h"
#include "roster/departures.h"
#include "roster/memberdetails.h"
#include "songs/songwriting.h"
#include "state/startup.h"
#include "support/screenfixture.h"
#include "turn/nextweek.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

using namespace quorvane;

namespace {

QMessageBox* box() {
    return qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
}

// Presses a key on a modal box as a player would: on the control that has the focus.
void press(QWidget* box, Qt::Key key) {
    QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, key);
}

// Once the next modal box is up, notes its title and text, then presses `key` on it.
void answer(QString& seen, QMessageBox::Icon icon, Qt::Key key) {
    QTimer::singleShot(0, [&seen, icon, key] {
        QVERIFY(box() && box()->icon() == icon);
        seen = box()->windowTitle() + ": " + box()->text();
        press(box(), key);
    });
}

// A click at the middle of a control, sent to its window as the window system would.
void windowclick(QWidget* control) {
    QWidget* window = control->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                      control->mapTo(window, control->rect().center()));
}

} // namespace

class QtDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void boxesCarryTheGameTitleAndAnswerEnterAndEscape() {
        QtDialogs dialogs;
        QString seen;
        answer(seen, QMessageBox::Critical, Qt::Key_Return);
        dialogs.message("Invalid Band Name.", Icon::stop);
        QCOMPARE(seen, QString("Quorvane: Invalid Band Name."));
        answer(seen, QMessageBox::Warning, Qt::Key_Escape);
        dialogs.message("A warning", Icon::warning);
        const std::tuple<bool, Qt::Key, bool> keys[] = {
            // careful, key, Yes
            {false, Qt::Key_Return, true},
            {false, Qt::Key_Escape, false},
            {true, Qt::Key_Return, false},
            {true, Qt::Key_Escape, false}};
        for (const auto& [careful, key, yes] : keys) {
            answer(seen, QMessageBox::NoIcon, key);
            QCOMPARE(careful ? dialogs.askcarefully("Sure?") : dialogs.ask("Sure?"), yes);
        }
        QCOMPARE(seen, QString("Quorvane: Sure?"));
        QTimer::singleShot(0, [] { box()->button(QMessageBox::Yes)->click(); });
        QVERIFY(dialogs.askcarefully("Sure?")); // a click still says Yes
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

    // Enter on every box, as a player in a hurry: each question whose Yes loses something
    // answers No, and nothing is lost.
    void aHastyEnterQuitsNothingAndSparesTheBand() {
        QtDialogs dialogs;
        MersenneRandom random(7);
        testing::RecordingNavigator screens;
        Game game(random, dialogs, screens);
        startup(game);
        testing::formband(game.state);
        listupdate(game);
        game.state.tiredness = 5;
        QStringList defaults;
        QTimer enter; // presses Enter on every box the operations below bring up
        connect(&enter, &QTimer::timeout, [&defaults] {
            if (!box()) return;
            if (box()->button(QMessageBox::No))
                defaults << (box()->defaultButton() == box()->button(QMessageBox::No) ? "No"
                                                                                      : "Yes");
            press(box(), Qt::Key_Return);
        });
        enter.start(0);
        quitgame(game);
        writesong(game);
        nextweek(game); // practise? Yes; though tired? No
        showmember(game, 0);
        sackmember(game);
        QCOMPARE(defaults, QStringList({"No", "No", "Yes", "No", "No"}));
        QVERIFY(screens.calls.back() != "quit" && game.state.songtimer == songidle);
        QVERIFY(game.state.fullband() && game.state.tiredness == 4); // no practice
    }

    void aBoxSitsOverTheWindowInFrontAndShowsItsTextAsItIsInsideTheScreen() {
        QtDialogs dialogs;
        MersenneRandom random(1);
        Frontend frontend(random, dialogs);
        dialogs.attach(frontend.navigator());
        frontend.start();
        QWidget& title = frontend.titlescreen();
        title.move(30, 20);
        const QString file = "/saves/<b>" + QString(256, 'n') + "</b>";
        QTimer::singleShot(0, [&] {
            const QRect screen = box()->screen()->availableGeometry();
            auto* text = box()->findChild<QLabel*>("qt_msgbox_label");
            QCOMPARE(text->text().remove(QChar(0x200B)), file);
            QCOMPARE(text->textFormat(), Qt::PlainText);
            QVERIFY(screen.contains(box()->frameGeometry()));
            const QRect room = text->contentsRect(); // every word wraps inside the box
            QVERIFY(text->fontMetrics().boundingRect(room, Qt::TextWordWrap, text->text()).width() <=
                    room.width());
            QVERIFY((box()->frameGeometry().center() - title.frameGeometry().center())
                        .manhattanLength() <= 2);
            box()->accept();
        });
        dialogs.message(file.toStdString(), Icon::stop);
    }

    // The second click of a double-click on OK lands where the box was, on WRITE SONG.
    void aDoubleClickOnOkDoesNotReachTheButtonBeneath() {
        QtDialogs dialogs;
        MersenneRandom random(1);
        Frontend frontend(random, dialogs);
        dialogs.attach(frontend.navigator());
        frontend.start();
        Game& game = frontend.game();
        game.state.bandname = "Half a Band"; // no band yet: WRITE SONG is refused
        game.screens.show(Screen::main);
        QWidget* writesong = frontend.mainscreen().findChild<QWidget*>("command1");
        QVERIFY(QTest::qWaitForWindowExposed(&frontend.mainscreen()));
        int boxes = 0;
        QTimer answer; // answers the box by a double-click on OK, then counts any box after it
        connect(&answer, &QTimer::timeout, [&] {
            if (!box() || !box()->isVisible()) return;
            answer.stop();
            ++boxes;
            windowclick(box()->button(QMessageBox::Ok));
            QTest::lastMouseTimestamp -= QTest::mouseDoubleClickInterval - 50;
            QTimer::singleShot(0, [&] {
                if (box()) ++boxes, box()->reject();
            });
            windowclick(writesong);
        });
        answer.start(0);
        windowclick(writesong);
        QTRY_VERIFY(!box());
        QCOMPARE(boxes, 1);
    }
};

QTEST_MAIN(QtDialogsTest)
#include "tst_qtdialogs.moc"
