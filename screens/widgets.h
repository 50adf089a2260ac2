// Small makers for the widgets every screen uses, named with their game names.
#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QString>

#include <string>

namespace quorvane::widgets {

inline QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

QLabel* label(QWidget* parent, const char* name, const char* caption = "");
// A small caption over a part of a screen.
QLabel* heading(QWidget* parent, const char* name, const char* caption);
QPushButton* button(QWidget* parent, const char* name, const char* caption,
                    const char* tooltip = nullptr);
// A decorative card that groups controls.
QGroupBox* frame(QWidget* parent);

} // namespace quorvane::widgets
