// The real message boxes: their titles, icons, buttons and answers.
#include "qtdialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using namespace quorvane;

namespace {

// Answers the next modal box once it is up, after noting what it showed.
struct Seen {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

void answer(Seen& seen, QMessageBox::StandardButton button) {
    QTimer::singleShot(0, [&seen, button] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        seen = {box->windowTitle(), box->text(), box->icon()};
        box->button(button)->click();
    });
}

} // namespace

class QtDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void messagesAndQuestionsCarryTheGameTitle() {
        QtDialogs dialogs;
        int refreshed = 0;
        dialogs.setbeforeshow([&refreshed] { ++refreshed; });
        Seen seen;
        answer(seen, QMessageBox::Ok);
        dialogs.message("Invalid Band Name.", Icon::stop);
        QCOMPARE(seen.title, QString("Quorvane"));
        QCOMPARE(seen.text, QString("Invalid Band Name."));
        QCOMPARE(seen.icon, QMessageBox::Critical);

        answer(seen, QMessageBox::No);
        QVERIFY(!dialogs.ask("Are you sure you want to quit?"));
        QCOMPARE(seen.title, QString("Quorvane"));
        QCOMPARE(seen.icon, QMessageBox::NoIcon);
        answer(seen, QMessageBox::Yes);
        QVERIFY(dialogs.ask("Are you sure you want to quit?"));
        QCOMPARE(refreshed, 3);
    }

    void thePromptReturnsTheTypedTextOrNothingWhenCancelled() {
        QtDialogs dialogs;
        for (bool cancel : {false, true}) {
            QString title;
            QTimer::singleShot(0, [&title, cancel] {
                auto* input = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
                QVERIFY(input);
                title = input->windowTitle();
                input->findChild<QLineEdit*>()->setText(QString::fromUtf8("Mot\u00f6rhead"));
                cancel ? input->reject() : input->accept();
            });
            const std::string typed =
                dialogs.prompt("Please enter the name of the Band:", "NEW BAND", "");
            QCOMPARE(title, QString("NEW BAND"));
            QCOMPARE(typed, cancel ? std::string() : std::string("Mot\xc3\xb6rhead"));
        }
    }
};

QTEST_MAIN(QtDialogsTest)
#include "tst_qtdialogs.moc"
