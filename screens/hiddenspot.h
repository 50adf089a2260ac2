// An invisible spot that reports double-clicks, for the title screen's hidden joke; Enter or
// Space do the same while it has the focus. A plain widget: having no text, it needs no font.
#pragma once

#include <QKeyEvent>
#include <QWidget>

namespace quorvane {

class HiddenSpot : public QWidget {
    Q_OBJECT
public:
    explicit HiddenSpot(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_StyledBackground); // for the focus ring of the style sheet
    }

signals:
    void activated();

protected:
    void mouseDoubleClickEvent(QMouseEvent*) override { emit activated(); }
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
            event->key() == Qt::Key_Space)
            emit activated();
        else
            QWidget::keyPressEvent(event);
    }
};

} // namespace quorvane
