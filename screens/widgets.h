// Small makers for the widgets every screen uses, named with their game names.
#pragma once

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QString>

#include <string>

namespace quorvane::widgets {

inline QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

// A label of plain text: a band name may hold "<", ">" and "&", and a label would guess
// from them that the text is markup.
QLabel* label(QWidget* parent, const char* name, const char* caption = "");
// A small caption over a part of a screen.
QLabel* heading(QWidget* parent, const char* name, const char* caption);
QPushButton* button(QWidget* parent, const char* name, const char* caption,
                    const char* tooltip = nullptr);
// A decorative card that groups controls.
QGroupBox* frame(QWidget* parent);
// The arrow keys move the focus among a group's options without choosing one; Space or
// Enter chooses. Qt's arrows would check the next option at once, and charge a promotion
// the player only passed on the way.
void arrowsmovefocus(QButtonGroup* group);

// The first Up or Down in a list where nothing is picked yet picks the row that shows the
// focus (the first), where Qt would move past it to the next.
void arrowsstartatfocus(QAbstractItemView* list);

// `text` with a line break allowed anywhere inside a word too long for a line, so that a band
// name or a file name without blanks wraps inside its box instead of running past its edge.
// The breaks are zero-width spaces: they take no room and show nothing.
QString breakable(const QString& text);
// `base` at `points` of the design and the given weight, scaled to the player's font.
QFont designfont(QFont base, double points, QFont::Weight weight);
// A tool tip that shows `text` as it is: tool tips, too, guess markup from a text's tags.
QString plaintooltip(const QString& text);
// Names a label that shows a value after its caption ("Age:"), so that a screen reader
// reads "Age: 21" where the screen shows "21" beside the caption.
void readwithcaption(QLabel* value, const QString& caption);

} // namespace quorvane::widgets
