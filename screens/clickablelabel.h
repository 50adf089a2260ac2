// A label that reports double-clicks, for the title screen's invisible spot; Enter or Space
// do the same while it has the focus.
#pragma once

#include <QKeyEvent>
#include <QLabel>

namespace quorvane {

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void activated();

protected:
    void mouseDoubleClickEvent(QMouseEvent*) override { emit activated(); }
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
            event->key() == Qt::Key_Space)
            emit activated();
        else
            QLabel::keyPressEvent(event);
    }
};

} // namespace quorvane
