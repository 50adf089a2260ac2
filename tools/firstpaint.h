// Ends a program once its first window has painted, so the game and the window it is
// measured against stop at the same point (scripts/startup.sh).
#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdlib>

namespace quorvane {

// The exit is queued, so the rest of that paint reaches the screen first, and skips the
// tear-down, so the program's lifetime is its time to the first paint.
class QuitAfterFirstPaint final : public QObject {
public:
    QuitAfterFirstPaint() { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            qApp->removeEventFilter(this);
            QTimer::singleShot(0, [] { std::_Exit(0); });
        }
        return false;
    }
};

} // namespace quorvane
