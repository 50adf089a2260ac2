// The real message boxes and prompt: titles, icons, answers by key and by click, and where a
// box sits and how it shows its text.
#include "qtdialogs.h"
#include "support/screenfixture.h"

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
        QStringList seen;
        const std::tuple<int, Qt::Key, bool> rows[] = {
            // 0 a message with a stop icon, 1 with a warning, 2 a question, 3 a careful one
            {0, Qt::Key_Return, false}, {1, Qt::Key_Escape, false}, {2, Qt::Key_Return, true},
            {2, Qt::Key_Escape, false}, {3, Qt::Key_Return, false}, {3, Qt::Key_Escape, false}};
        for (const auto& [kind, key, yes] : rows) {
            QTimer::singleShot(0, [&seen, key = key] {
                seen << box()->windowTitle() + " " + QString::number(box()->icon());
                press(box(), key);
            });
            const bool answer =
                kind < 2    ? (dialogs.message("!", kind ? Icon::warning : Icon::stop), false)
                : kind == 2 ? dialogs.ask("Sure?")
                            : dialogs.askcarefully("Sure?");
            QCOMPARE(answer, yes);
        }
        QCOMPARE(seen, QStringList({"Quorvane 3", "Quorvane 2", "Quorvane 0", "Quorvane 0",
                                    "Quorvane 0", "Quorvane 0"}));
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

    // A box of a long file name over the title screen, then one double-clicked on OK, whose
    // second click lands where the box was, on WRITE SONG.
    void aBoxSitsOverTheWindowShowsItsTextAsItIsAndTakesOneClick() {
        QtDialogs dialogs;
        MersenneRandom random(1);
        Frontend frontend(random, dialogs);
        dialogs.attach(frontend.navigator());
        frontend.start();
        QWidget& title = frontend.titlescreen();
        title.move(30, 20);
        const QString file = "/saves/<b>" + QString(256, 'n') + "</b>";
        QTimer::singleShot(0, [&] {
            auto* text = box()->findChild<QLabel*>("qt_msgbox_label");
            const QRect room = text->contentsRect(); // every word wraps inside the box
            QCOMPARE(QAccessible::queryAccessibleInterface(text)
                         ->text(QAccessible::Name)
                         .remove(QChar(0x200B)),
                     file);
            QVERIFY(
                text->fontMetrics().boundingRect(room, Qt::TextWordWrap, text->text()).width() <=
                room.width());
            QVERIFY(box()->screen()->availableGeometry().contains(box()->frameGeometry()));
            QVERIFY((box()->frameGeometry().center() - title.frameGeometry().center())
                        .manhattanLength() <= 2);
            box()->accept();
        });
        dialogs.message(file.toStdString(), Icon::stop);

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
