// Small makers for the widgets every screen uses.
#include "widgets.h"

namespace quorvane::widgets {

QLabel* label(QWidget* parent, const char* name, const char* caption) {
    auto* l = new QLabel(QString::fromUtf8(caption), parent);
    l->setObjectName(name);
    return l;
}

QLabel* heading(QWidget* parent, const char* name, const char* caption) {
    auto* l = label(parent, name, caption);
    l->setProperty("role", "heading");
    return l;
}

QPushButton* button(QWidget* parent, const char* name, const char* caption, const char* tooltip) {
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(name);
    if (tooltip) b->setToolTip(QString::fromUtf8(tooltip));
    b->setMinimumHeight(32);
    return b;
}

QGroupBox* frame(QWidget* parent) {
    return new QGroupBox(parent);
}

} // namespace quorvane::widgets
