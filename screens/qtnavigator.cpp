// Showing, hiding and discarding the screens' windows.
#include "qtnavigator.h"

#include "gamewindow.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>
#include <QWindow>

#include <algorithm>

namespace quorvane {

QtNavigator::~QtNavigator() {
    destroyall();
}

void QtNavigator::define(Screen screen, Factory make) {
    slot(screen).make = std::move(make);
}

GameWindow& QtNavigator::window(Screen screen) {
    Slot& s = slot(screen);
    if (!s.window) {
        s.window = s.make();
        s.window->sync(); // never shows its blank controls, even before its first showing
        place(*s.window);
    }
    return *s.window;
}

void QtNavigator::show(Screen screen) {
    GameWindow& w = window(screen);
    w.show();
    w.raise();
    // Asked of the window itself: Qt counts a window over its owner as active whenever the
    // owner is, and activateWindow() would then leave the keyboard with the owner.
    w.windowHandle()->requestActivate();
    front_ = &w;
    refresh();
}

// The window becomes a dialog of the owner's: the window manager keeps it above the owner's
// window, where a click on the owner cannot bury it.
void QtNavigator::showover(Screen screen, Screen owner) {
    GameWindow& w = window(screen);
    QWidget& above = window(owner);
    if (w.parentWidget() != &above) {
        const QPoint where = w.pos();
        w.setParent(&above, (w.windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);
        w.move(where);
    }
    show(screen);
}

void QtNavigator::hide(Screen screen) {
    if (GameWindow* w = slot(screen).window) {
        remember(*w);
        w->hide();
    }
}

void QtNavigator::remember(QWidget& window) {
    if (window.isVisible()) last_ = window.frameGeometry();
}

void QtNavigator::close(Screen screen) {
    // Deleted later: the window may be in the middle of its own click handler.
    if (GameWindow* w = slot(screen).window) {
        remember(*w);
        w->hide();
        w->deleteLater();
        std::erase_if(discarded_, [](const QPointer<GameWindow>& gone) { return gone.isNull(); });
        discarded_.emplace_back(w);
    }
    slot(screen).window = nullptr;
}

void QtNavigator::quit() {
    // Hidden rather than closed: closing the main window would ask the quit question again.
    for (Slot& s : slots_)
        if (s.window) s.window->hide();
    QCoreApplication::quit();
}

void QtNavigator::refresh() {
    // Hidden windows too, so a window never shows stale values when it comes back.
    for (Slot& s : slots_)
        if (s.window) s.window->sync();
}

QWidget* QtNavigator::front() const {
    QWidget* active = QApplication::activeWindow();
    for (const Slot& s : slots_)
        if (s.window && s.window == active && active->isVisible()) return active;
    if (front_ && front_->isVisible()) return front_;
    for (const Slot& s : slots_)
        if (s.window && s.window->isVisible()) return s.window;
    return nullptr;
}

void QtNavigator::destroyall() {
    for (Slot& s : slots_)
        delete s.window;
    // Discarded windows still waiting for deletion go too: they must not outlive the game.
    for (const QPointer<GameWindow>& w : discarded_)
        delete w;
    discarded_.clear();
}

void QtNavigator::place(GameWindow& window) const {
    QWidget* anchor = front();
    // With nothing on show, the new window takes the place of the last one to go.
    const QRect over = anchor ? anchor->frameGeometry() : last_;
    QScreen* screen = over.isValid() ? QGuiApplication::screenAt(over.center()) : nullptr;
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect room = screen->availableGeometry();
    // A window not shown yet has no frame; it will have one like the anchor's, or at least a
    // title bar.
    const int titlebar = window.style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const QSize frame =
        anchor ? anchor->frameGeometry().size() - anchor->size() : QSize(0, titlebar);
    window.fitwithin(room.size() - frame);
    QRect where(QPoint(), window.size() + frame);
    where.moveCenter(over.isValid() ? over.center() : room.center());
    // Wholly on the screen, and its top-left corner first when it cannot all fit.
    where.moveLeft(std::max(room.left(), std::min(where.left(), room.right() + 1 - where.width())));
    where.moveTop(std::max(room.top(), std::min(where.top(), room.bottom() + 1 - where.height())));
    window.move(where.topLeft());
}

} // namespace quorvane
