// QMessageBox and QInputDialog behind the dialogs port.
#include "qtdialogs.h"

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

void QtDialogs::message(std::string_view text, Icon icon) {
    if (beforeshow_) beforeshow_();
    QMessageBox box(qticon(icon), gametitle, qt(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

bool QtDialogs::ask(std::string_view question) {
    if (beforeshow_) beforeshow_();
    QMessageBox box(QMessageBox::NoIcon, gametitle, qt(question),
                    QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() != QMessageBox::No;
}

std::string QtDialogs::prompt(std::string_view prompt, std::string_view title,
                              std::string_view defaulttext) {
    if (beforeshow_) beforeshow_();
    bool ok = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), qt(title), qt(prompt),
                                               QLineEdit::Normal, qt(defaulttext), &ok);
    return ok ? text.toStdString() : std::string();
}

} // namespace quorvane
