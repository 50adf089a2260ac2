// Colours and shapes: a dark stage for the title, light cards on the manager's desk.
#include "theme.h"

namespace quorvane::theme {

namespace {

const char* const buttons = R"(
QPushButton {
    background: #ffffff; color: #1f2a36; border: 1px solid #b8c2cc; border-radius: 6px;
    padding: 6px 10px; font-weight: 600;
}
QPushButton:hover { background: #f3f6f9; border-color: #8a99a8; }
QPushButton:pressed { background: #e2e8ee; }
QPushButton:disabled { color: #a7b1bb; background: #f4f6f8; border-color: #d5dbe1; }
)";

} // namespace

QString titlescreen() {
    return QString(buttons) + R"(
QWidget#Form1 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #1b2633, stop:1 #3a1f2b); }
QLabel#Label2 { color: #ffffff; }
QLabel#Label1 { color: #f0a35e; font-weight: bold; letter-spacing: 6px; }
QPushButton { font-size: 15px; padding: 10px; border: none; }
)";
}

QString mainscreen() {
    return QString(buttons) + R"(
QWidget#main { background: #e9edf1; }
QWidget#header { background: #1f2a36; border-radius: 8px; }
QWidget#header QLabel { color: #ffffff; }
QWidget#header QLabel[role="heading"] { color: #9fb3c8; }
QWidget#header QLabel#Label3 { color: #ff8a80; font-size: 18px; font-weight: bold; }
QPushButton#exitbtn { background: transparent; border: none; }
QGroupBox { background: #ffffff; border: 1px solid #d0d7de; border-radius: 8px; }
QLabel[role="heading"] { color: #4a6378; font-weight: bold; letter-spacing: 1px; }
QLabel#txtapplicant { color: #1f2a36; font-size: 13px; }
QListWidget { border: 1px solid #d0d7de; border-radius: 4px; }
QListWidget::item { padding: 3px; }
QListWidget::item:selected { background: #2e86c1; color: #ffffff; }
QPushButton#command6 { background: #2e86c1; color: #ffffff; border: none; font-size: 14px; }
QPushButton#command6:hover { background: #2874a6; }
)";
}

QString fileoptions() {
    return QString(buttons) + R"(
QWidget#savefrm { background: #e9edf1; }
QLabel[role="title"] { color: #1f2a36; font-size: 18px; font-weight: 900; letter-spacing: 2px; }
QLabel#Label15 { color: #1f2a36; font-weight: 600; }
QTreeView, QListView, QLineEdit, QComboBox {
    background: #ffffff; border: 1px solid #d0d7de; border-radius: 4px; padding: 2px;
}
)";
}

} // namespace quorvane::theme
