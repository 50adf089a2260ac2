// QMessageBox and QInputDialog behind the dialogs port.
#include "qtdialogs.h"

#include "clickguard.h"
#include "qtnavigator.h"
#include "widgets.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace quorvane {

namespace {

const QString gametitle = QStringLiteral("Quorvane");

QString qt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QMessageBox::Icon qticon(Icon icon) {
    switch (icon) {
    case Icon::stop:
        return QMessageBox::Critical;
    case Icon::warning:
        return QMessageBox::Warning;
    case Icon::none:
        break;
    }
    return QMessageBox::NoIcon;
}

// The click that answers a box has made the game act: a second click of it, coming before
// the box's loop has even ended, must not reach the window beneath.
void closing(QMessageBox& box) {
    QObject::connect(&box, &QDialog::finished, [] { ClickGuard::acted(); });
}

} // namespace

// A box with an owner is centred over it by Qt once its size is known.
QWidget* QtDialogs::beforeshow() {
    if (!windows_) return QApplication::activeWindow();
    windows_->refresh();
    return windows_->front();
}

// The text is the game's own or holds the player's, so it is never read as rich text, and a
// long file name wraps inside the box.
void QtDialogs::message(std::string_view text, Icon icon) {
    QWidget* owner = beforeshow();
    QMessageBox box(qticon(icon), gametitle, widgets::breakable(qt(text)), QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    closing(box);
    box.exec();
}

bool QtDialogs::ask(std::string_view question) {
    return yesorno(question, false);
}

bool QtDialogs::askcarefully(std::string_view question) {
    return yesorno(question, true);
}

// Enter presses the focused button, which starts as Yes, or as No for a careful question;
// Escape, and closing the box, answer No.
bool QtDialogs::yesorno(std::string_view question, bool careful) {
    QWidget* owner = beforeshow();
    QMessageBox box(QMessageBox::NoIcon, gametitle, widgets::breakable(qt(question)),
                    QMessageBox::Yes | QMessageBox::No, owner);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(careful ? QMessageBox::No : QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    closing(box);
    return box.exec() == QMessageBox::Yes;
}

std::string QtDialogs::prompt(std::string_view prompt, std::string_view title,
                              std::string_view defaulttext) {
    QWidget* owner = beforeshow();
    QInputDialog box(owner);
    box.setWindowTitle(qt(title));
    box.setLabelText(qt(prompt));
    box.setTextValue(qt(defaulttext));
    return box.exec() == QDialog::Accepted ? box.textValue().toStdString() : std::string();
}

} // namespace quorvane
