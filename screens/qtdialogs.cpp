// QMessageBox and QInputDialog behind the dialogs port.
#include "qtdialogs.h"

#include "qtnavigator.h"

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

} // namespace

// A box with an owner is centred over it by Qt once its size is known.
QWidget* QtDialogs::beforeshow() {
    if (!windows_) return QApplication::activeWindow();
    windows_->refresh();
    return windows_->front();
}

void QtDialogs::message(std::string_view text, Icon icon) {
    QWidget* owner = beforeshow();
    QMessageBox box(qticon(icon), gametitle, qt(text), QMessageBox::Ok, owner);
    box.exec();
}

bool QtDialogs::ask(std::string_view question) {
    QWidget* owner = beforeshow();
    QMessageBox box(QMessageBox::NoIcon, gametitle, qt(question),
                    QMessageBox::Yes | QMessageBox::No, owner);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() != QMessageBox::No;
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
