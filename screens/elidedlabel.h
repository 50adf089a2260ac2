// A one-line label of plain text whose width comes from the layout, never from its text: a
// text too long for it ends in "…", and the whole text is its tool tip.
#pragma once

#include "widgets.h"

#include <QLabel>

namespace quorvane {

class ElidedLabel : public QLabel {
public:
    explicit ElidedLabel(QWidget* parent) : QLabel(parent) {
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        setTextFormat(Qt::PlainText);
    }

    void setfulltext(const QString& text) {
        if (text == full_) return;
        full_ = text;
        setToolTip(widgets::plaintooltip(text));
        elide();
    }
    QString fulltext() const { return full_; }

    QSize minimumSizeHint() const override { return {0, QLabel::minimumSizeHint().height()}; }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QLabel::resizeEvent(event);
        elide();
    }

private:
    void elide() {
        setText(fontMetrics().elidedText(full_, Qt::ElideRight, contentsRect().width()));
    }

    QString full_;
};

} // namespace quorvane
