// Colours and shapes: a dark stage for the title, light cards on the manager's desk.
#include "theme.h"

#include <QApplication>
#include <QFont>
#include <QRegularExpression>

namespace quorvane::theme {

double scaled(double points) {
    return points * QApplication::font().pointSizeF() / designpoints;
}

namespace {

// The sheet with each "font-size: Npx" of the design in points at the player's font: pixels
// would keep a size whatever the font.
QString sized(QString sheet) {
    static const QRegularExpression pixels("font-size: (\\d+)px");
    QRegularExpressionMatch match;
    while ((match = pixels.match(sheet)).hasMatch()) {
        const double points = scaled(match.captured(1).toDouble() * 0.75); // at 96 dots an inch
        sheet.replace(match.capturedStart(), match.capturedLength(),
                      QString("font-size: %1pt").arg(points, 0, 'f', 2));
    }
    return sheet;
}

} // namespace

// Focus shows as an orange ring, on light and blue buttons alike. A ring one pixel wider
// takes one pixel of padding, so the caption does not move.
QString application() {
    return sized(R"(
QPushButton {
    background: #ffffff; color: #1f2a36; border: 1px solid #b8c2cc; border-radius: 6px;
    padding: 6px 10px; font-weight: 600; outline: none;
}
QPushButton:hover { background: #f3f6f9; border-color: #8a99a8; }
QPushButton:pressed { background: #e2e8ee; }
QPushButton:focus { border: 2px solid #e67e22; padding: 5px 9px; }
QPushButton:disabled { color: #a7b1bb; background: #eef1f4; border: 1px dashed #c9d1d9; }
QListWidget, QListView, QTreeView, QLineEdit, QComboBox {
    background: #ffffff; color: #1f2a36; border: 1px solid #d0d7de; border-radius: 4px;
    padding: 2px;
}
QListWidget:focus, QListView:focus, QTreeView:focus, QLineEdit:focus, QComboBox:focus {
    border: 2px solid #e67e22; padding: 1px;
}
/* A list below the box, as long as maxVisibleItems allows and then scrolling, rather than
   a menu over the box that runs off the screen with many rows. */
QComboBox { padding-right: 24px; combobox-popup: 0; }
QComboBox QAbstractItemView::item { min-height: 24px; padding: 0 6px; }
QComboBox::drop-down {
    subcontrol-origin: border; subcontrol-position: center right; width: 24px; border: none;
}
QComboBox::down-arrow { image: url(:/theme/down.png); }
QComboBox::down-arrow:disabled { image: url(:/theme/down-disabled.png); }
QRadioButton { padding: 2px 4px; border: 1px solid transparent; border-radius: 4px; }
QRadioButton:focus { border: 1px solid #e67e22; background: #fff4e8; }
QMessageBox, QInputDialog { background: #e9edf1; }
QMessageBox QLabel, QInputDialog QLabel { color: #1f2a36; font-size: 13px; }
)");
}

// BETA shares the buttons' font, so the first screen opens one font fewer.
QString titlescreen() {
    return sized(R"(
QWidget#Form1 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #1b2633, stop:1 #3a1f2b); }
QWidget#Form1 #page > QLabel#Label2 { color: #ffffff; }
QWidget#Form1 #page > QLabel#Label1 {
    color: #f0a35e; font-weight: 600; font-size: 15px; letter-spacing: 6px;
}
QWidget#Form1 #page > QPushButton { font-size: 15px; padding: 9px; border: 2px solid #ffffff; }
QWidget#Form1 #page > QPushButton:focus { border: 2px solid #f0a35e; }
QWidget#Form1 #page > QWidget#secret:focus { border: 2px solid #f0a35e; border-radius: 6px; }
)");
}

QString mainscreen() {
    return sized(R"(
QWidget#main { background: #e9edf1; }
QWidget#header { background: #1f2a36; border-radius: 8px; }
QWidget#header QLabel { color: #ffffff; }
QWidget#header QLabel[role="heading"] { color: #9fb3c8; }
QWidget#header QLabel#Label3 { color: #ff8a80; font-size: 18px; font-weight: bold; }
QPushButton#exitbtn { background: transparent; border: none; min-width: 0; }
QPushButton#exitbtn:focus { border: 2px solid #f0a35e; }
QGroupBox { background: #ffffff; border: 1px solid #d0d7de; border-radius: 8px; }
QLabel[role="heading"] { color: #4a6378; font-weight: bold; letter-spacing: 1px; }
QLabel#txtapplicant { color: #1f2a36; font-size: 13px; }
QListWidget::item { padding: 3px; }
QListWidget::item:selected { background: #2e86c1; color: #ffffff; }
QPushButton#command6 {
    background: #2e86c1; color: #ffffff; border: 2px solid #2e86c1; padding: 5px 9px;
    font-size: 14px;
}
QPushButton#command6:hover { background: #2874a6; border-color: #2874a6; }
QPushButton#command6:focus { border-color: #e67e22; }
QPushButton#command6:disabled { background: #a9c9df; border-color: #a9c9df; }
)");
}

QString fileoptions() {
    return sized(R"(
QWidget#savefrm { background: #e9edf1; }
QLabel[role="title"] { color: #1f2a36; font-size: 18px; font-weight: 900; letter-spacing: 2px; }
QLabel#Label15 { color: #1f2a36; font-weight: 600; }
QLabel#Label15:disabled { color: #a7b1bb; }
)");
}

// The gig screen: a stage-lit card for the set list.
QString gig() {
    return sized(R"(
QWidget#gig { background: #e9edf1; }
QGroupBox { background: #ffffff; border: 1px solid #d0d7de; border-radius: 8px; }
QGroupBox#setlist { background: #1f2a36; border: none; border-radius: 6px; }
QGroupBox#setlist QLabel { color: #ffffff; font-size: 13px; font-weight: 600; }
QLabel[role="heading"] { color: #4a6378; font-weight: bold; letter-spacing: 1px; }
QLabel#Label1 { color: #1f2a36; }
QRadioButton:disabled { color: #a7b1bb; }
QPushButton#command4 {
    background: #2e86c1; color: #ffffff; border: 2px solid #2e86c1; padding: 5px 9px;
}
QPushButton#command4:focus { border-color: #e67e22; }
QPushButton#command4:disabled { background: #a9c9df; border-color: #a9c9df; }
)");
}

// The magazine: newsprint.
QString magazine() {
    return sized(R"(
QWidget#thenewspaper { background: #f4efe3; }
QLabel#Label3 { color: #1b1b1b; border-bottom: 3px double #1b1b1b; padding-bottom: 6px; }
QGroupBox { background: #fbf8f1; border: 1px solid #d8cfbd; border-radius: 2px; }
QLabel#txtnews { color: #1b1b1b; padding: 8px; }
)");
}

// The record deal: the title screen's stage, with gold for the win.
QString recorddeal() {
    return sized(R"(
QWidget#Form2 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #1b2633, stop:1 #3a1f2b); }
QLabel#Label1 { color: #f5c45e; letter-spacing: 2px; }
QGroupBox { background: #fbf8f1; border: none; border-radius: 8px; }
QGroupBox#answers { background: transparent; }
QLabel#txt { color: #1f2a36; font-size: 14px; }
)");
}

} // namespace quorvane::theme
