// The real message boxes and prompt: their titles, icons, answers and place on the screen.
#include "frontend.h"
#include "ports/mersennerandom.h"
#include "qtdialogs.h"
#include "titlescreen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using namespace quorvane;

namespace {

// Once the next modal box is up, notes its title and text, then presses `button`.
void answer(QString& seen, QMessageBox::Icon icon, QMessageBox::StandardButton button) {
    QTimer::singleShot(0, [&seen, icon, button] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box && box->icon() == icon);
        seen = box->windowTitle() + ": " + box->text();
        box->button(button)->click();
    });
}

} // namespace

class QtDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void messagesAndQuestionsCarryTheGameTitle() {
        QtDialogs dialogs;
        QString seen;
        answer(seen, QMessageBox::Critical, QMessageBox::Ok);
        dialogs.message("Invalid Band Name.", Icon::stop);
        QCOMPARE(seen, QString("Quorvane: Invalid Band Name."));
        answer(seen, QMessageBox::Warning, QMessageBox::Ok);
        dialogs.message("A warning", Icon::warning);
        answer(seen, QMessageBox::NoIcon, QMessageBox::No);
        QVERIFY(!dialogs.ask("Are you sure you want to quit?"));
        QCOMPARE(seen, QString("Quorvane: Are you sure you want to quit?"));
        answer(seen, QMessageBox::NoIcon, QMessageBox::Yes);
        QVERIFY(dialogs.ask("Are you sure you want to quit?"));
    }

    void thePromptReturnsTheTypedTextOrNothingWhenCancelled() {
        QtDialogs dialogs;
        for (bool cancel : {false, true}) {
            QTimer::singleShot(0, [cancel] {
                auto* input = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
                QVERIFY(input && input->windowTitle() == "NEW BAND");
                input->findChild<QLineEdit*>()->setText(QString::fromUtf8("Mot\u00f6rhead"));
                cancel ? input->reject() : input->accept();
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
