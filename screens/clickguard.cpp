// Dropping the second click of a double-click that would act twice.
#include "clickguard.h"

#include "gamewindow.h"

#include <QApplication>
#include <QMouseEvent>
#include <QStyleHints>
#include <QWindow>

namespace quorvane {

namespace {

bool ingame(const QWindow* window) {
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->windowHandle() == window) return dynamic_cast<GameWindow*>(top) != nullptr;
    return false;
}

} // namespace

ClickGuard* ClickGuard::watching_ = nullptr;

ClickGuard::ClickGuard() {
    watching_ = this;
    qApp->installEventFilter(this);
}

ClickGuard::~ClickGuard() {
    if (watching_ == this) watching_ = nullptr;
}

void ClickGuard::acted() {
    if (watching_) watching_->actedat_ = watching_->lastrelease_;
}

// A click reaches its window before the widget under the mouse, which takes the focus on
// the way; judged at the window, a dropped click moves nothing at all.
bool ClickGuard::eventFilter(QObject* watched, QEvent* event) {
    if (!watched->isWindowType()) return false;
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonRelease) {
        if (std::exchange(dropping_, false)) return true;
        lastrelease_ = static_cast<QMouseEvent*>(event)->timestamp();
        return false;
    }
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick) return false;
    const quint64 at = static_cast<QMouseEvent*>(event)->timestamp();
    const auto interval =
        static_cast<quint64>(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    if (actedat_ && at - *actedat_ < interval && ingame(static_cast<QWindow*>(watched))) {
        dropping_ = true;
        return true;
    }
    actedat_.reset(); // a click of its own
    return false;
}

} // namespace quorvane
