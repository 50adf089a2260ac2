// A one-line label of plain text whose width comes from the layout, never from its text: a
// text too long for it ends in "…", and the whole text is its tool tip. A screen reader
// reads the whole text after the caption it is shown under.
#pragma once

#include "widgets.h"

#include <QFontMetricsF>
#include <QLabel>

#include <cmath>
#include <utility>

namespace quorvane {

class ElidedLabel : public QLabel {
public:
    ElidedLabel(QWidget* parent, QString caption) : QLabel(parent), caption_(std::move(caption)) {
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        setTextFormat(Qt::PlainText);
    }

    void setfulltext(const QString& text) {
        if (text == full_) return;
        full_ = text;
        setToolTip(widgets::plaintooltip(text));
        setAccessibleName(caption_ + ": " + text);
        setAccessibleDescription(text); // else the tool tip's markup would be read out
        elide();
    }
    QString fulltext() const { return full_; }
    // The width that shows `text` whole: its advance to the pixel above, as the shortening
    // counts it.
    int widthfor(const QString& text) const {
        return static_cast<int>(std::ceil(QFontMetricsF(font()).horizontalAdvance(text)));
    }

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

    QString caption_;
    QString full_;
};

} // namespace quorvane
