// A game with real screens and scripted dialogs, for clicking through the windows in tests.
#pragma once

#include "frontend.h"
#include "mainscreen.h"
#include "ports/mersennerandom.h"
#include "state/refresh.h"
#include "support/scripted.h"
#include "titlescreen.h"

#include <QtTest>
#include <QtWidgets>

namespace quorvane::testing {

// The visible window with this object name, or none.
inline QWidget* visiblewindow(const char* name) {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == name && window->isVisible()) return window;
    return nullptr;
}

// Presses keys on whatever has the keyboard focus, as a player does.
inline void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}
inline void press(std::initializer_list<Qt::Key> keys) {
    for (Qt::Key key : keys)
        press(key);
}
// A click at the middle of a control, or a double-click, sent to its window as the window
// system would.
inline void windowclick(QWidget* control, bool twice = false) {
    QWidget* window = control->window();
    const QPoint at = control->mapTo(window, control->rect().center());
    if (twice) return QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {}, at);
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, at);
}
inline QString focused() {
    return QApplication::focusWidget()->objectName();
}
// Tabs through a window's controls to the named one; false if it is never reached, or a
// control on the way has no name a screen reader could say.
inline bool tabto(const QString& name) {
    bool named = true;
    for (int i = 0; i < 30 && focused() != name; ++i) {
        press(Qt::Key_Tab);
        named = named && !QAccessible::queryAccessibleInterface(QApplication::focusWidget())
                              ->text(QAccessible::Name)
                              .isEmpty();
    }
    return named && focused() == name;
}

struct ScreenGame {
    ScreenGame() { frontend.start(); }

    template <typename T = QWidget> T* find(const char* window, const char* name) {
        QWidget* screen = visiblewindow(window);
        auto* widget = screen ? screen->findChild<T*>(name) : nullptr;
        if (!widget) qFatal("no control %s on a visible %s", name, window);
        return widget;
    }
    template <typename T = QWidget> T* onmain(const char* name) { return find<T>("main", name); }
    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    void click(const char* window, const char* name) { click(find(window, name)); }
    QString text(const char* name, const char* window = "main") {
        return find<QLabel>(window, name)->text();
    }
    bool enabled(const char* window, const char* name) { return find(window, name)->isEnabled(); }

    // NEW GAME with the given name.
    void newgame(const std::string& name) {
        dialogs.typed.push_back(name);
        click("Form1", "New");
    }
    // The band of the core tests, with `songs` tracks, shown on the main screen.
    Module1& formband(int songs) {
        auto& game = frontend.game();
        testing::formband(game.state, songs);
        update(game);
        listupdate(game);
        updatesonglist(game);
        frontend.navigator().refresh();
        return game.state;
    }

    MersenneRandom random{20010901};
    ScriptedDialogs dialogs;
    Frontend frontend{random, dialogs};
};

} // namespace quorvane::testing
