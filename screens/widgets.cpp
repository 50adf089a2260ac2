// Small makers for the widgets every screen uses.
#include "widgets.h"

#include "theme.h"

#include <QKeyEvent>

namespace quorvane::widgets {

QLabel* label(QWidget* parent, const char* name, const char* caption) {
    auto* l = new QLabel(QString::fromUtf8(caption), parent);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);
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

namespace {

class ArrowKeys final : public QObject {
public:
    explicit ArrowKeys(QButtonGroup* group) : QObject(group), group_(group) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        const int step = key == Qt::Key_Down || key == Qt::Key_Right ? 1
                         : key == Qt::Key_Up || key == Qt::Key_Left  ? -1
                                                                     : 0;
        if (step == 0) return false;
        const QList<QAbstractButton*> options = group_->buttons();
        const auto at = options.indexOf(qobject_cast<QAbstractButton*>(watched));
        for (auto i = at + step; i >= 0 && i < options.size(); i += step) {
            if (options[i]->isEnabled()) {
                options[i]->setFocus(Qt::OtherFocusReason);
                break;
            }
        }
        return true;
    }

private:
    QButtonGroup* group_;
};

class FirstArrow final : public QObject {
public:
    explicit FirstArrow(QAbstractItemView* list) : QObject(list), list_(list) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key != Qt::Key_Down && key != Qt::Key_Up) || list_->selectionModel()->hasSelection())
            return false;
        QModelIndex row = list_->currentIndex();
        if (!row.isValid()) row = list_->model()->index(0, 0, list_->rootIndex());
        if (!row.isValid()) return false;
        list_->setCurrentIndex(row); // selects it too, as a click would
        return true;
    }

private:
    QAbstractItemView* list_;
};

} // namespace

void arrowsstartatfocus(QAbstractItemView* list) {
    list->installEventFilter(new FirstArrow(list));
}

void arrowsmovefocus(QButtonGroup* group) {
    auto* keys = new ArrowKeys(group);
    for (QAbstractButton* option : group->buttons())
        option->installEventFilter(keys);
}

QString breakable(const QString& text) {
    constexpr qsizetype longword = 24; // wider than any word of the game's own texts
    QString out;
    out.reserve(text.size());
    qsizetype run = 0; // characters since the last blank
    for (const QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > longword && !c.isLowSurrogate()) out += QChar(0x200B);
        out += c;
    }
    return out;
}

QFont designfont(QFont base, double points, QFont::Weight weight) {
    base.setPointSizeF(theme::scaled(points));
    base.setWeight(weight);
    return base;
}

QString plaintooltip(const QString& text) {
    if (text.isEmpty()) return text;
    return "<p style=\"white-space:pre-wrap\">" + breakable(text).toHtmlEscaped() + "</p>";
}

void readwithcaption(QLabel* value, const QString& caption) {
    // Nothing to read beside the caption when no value is shown.
    value->setAccessibleName(value->text().isEmpty() ? QString() : caption + ' ' + value->text());
}

} // namespace quorvane::widgets
