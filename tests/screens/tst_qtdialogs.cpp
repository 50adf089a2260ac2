// The real message boxes and prompt: titles, icons, answers by key and by click, and where a
// box sits and how it shows its text.
#include "qtdialogs.h"
#include "support/screenfixture.h"

using namespace quorvane;
using namespace quorvane::testing;

namespace {

QMessageBox* box() {
    return qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
}

} // namespace

class QtDialogsTest : public QObject {
    Q_OBJECT

private slots:
    // Each box answered on the control with the focus, as a player does with Enter or Escape.
    void boxesCarryTheGameTitleAndAnswerEnterAndEscape() {
        QtDialogs dialogs;
        QStringList seen;
        auto answer = [&seen](Qt::Key key) {
            QTimer::singleShot(0, [&seen, key] {
                QWidget* modal = QApplication::activeModalWidget();
                seen << modal->windowTitle() + (box() ? QString::number(box()->icon()) : "");
                if (auto* input = qobject_cast<QInputDialog*>(modal))
                    input->findChild<QLineEdit*>()->setText(QString::fromUtf8("Mot\u00f6rhead"));
                QTest::keyClick(modal->focusWidget() ? modal->focusWidget() : modal, key);
            });
        };
        answer(Qt::Key_Escape);
        dialogs.message("!", Icon::stop);
        answer(Qt::Key_Return);
        const bool yes = dialogs.ask("Sure?");
        answer(Qt::Key_Return); // a careful question starts on No
        const bool careful = dialogs.askcarefully("Sure?");
        answer(Qt::Key_Return);
        const std::string typed = dialogs.prompt("Band?", "NEW BAND", "");
        answer(Qt::Key_Escape);
        const std::string cancelled = dialogs.prompt("Band?", "NEW BAND", "");
        QCOMPARE(std::tuple(yes, careful, typed, cancelled),
                 std::tuple(true, false, std::string("Mot\xc3\xb6rhead"), std::string()));
        QCOMPARE(seen,
                 QStringList({"Quorvane3", "Quorvane0", "Quorvane0", "NEW BAND", "NEW BAND"}));
        QTimer::singleShot(0, [] { box()->button(QMessageBox::Yes)->click(); });
        QVERIFY(dialogs.askcarefully("Sure?")); // a click still says Yes
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
