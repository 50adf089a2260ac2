// A label that reports double-clicks, for the title screen's invisible spot.
#pragma once

#include <QLabel>

namespace quorvane {

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent*) override { emit doubleClicked(); }
};

} // namespace quorvane
