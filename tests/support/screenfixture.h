// A game with real screens and scripted dialogs, for clicking through the windows in tests.
#pragma once

#include "frontend.h"
#include "mainscreen.h"
#include "ports/mersennerandom.h"
#include "state/refresh.h"
#include "support/scripted.h"
#include "titlescreen.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QTest>

namespace quorvane::testing {

struct ScreenGame {
    ScreenGame() { frontend.start(); }

    template <typename T = QWidget> T* find(QWidget& screen, const char* name) {
        auto* widget = screen.findChild<T*>(name);
        if (!widget) qFatal("no control named %s", name);
        return widget;
    }
    template <typename T = QWidget> T* onmain(const char* name) {
        return find<T>(frontend.mainscreen(), name);
    }
    template <typename T = QWidget> T* ontitle(const char* name) {
        return find<T>(frontend.titlescreen(), name);
    }
    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    QString text(const char* name) { return onmain<QLabel>(name)->text(); }

    // NEW GAME with the given name.
    void newgame(const std::string& name) {
        dialogs.typed.push_back(name);
        click(ontitle("New"));
    }

    // A fit, happy band of four with six tracks of quality 21 to 26, on the main screen.
    void formband() {
        auto& game = frontend.game();
        auto& s = game.state;
        for (int slot = 1; slot <= membercount; ++slot) {
            s.membername[slot] = "Member " + std::to_string(slot);
            s.happiness[slot] = 10;
            s.talent[slot] = s.looks[slot] = s.charisma[slot] = s.attitude[slot] = 5;
        }
        for (int slot = 1; slot <= setlength; ++slot) {
            s.songname[slot] = "Song " + std::to_string(slot);
            s.songquality[slot] = static_cast<int16>(20 + slot);
        }
        s.songcount = s.lastsong = setlength;
        update(game);
        listupdate(game);
        updatesonglist(game);
        frontend.navigator().refresh();
    }

    MersenneRandom random{20010901};
    ScriptedDialogs dialogs;
    Frontend frontend{random, dialogs};
};

// Whether any pixel of a control, as drawn, passes `test`.
template <typename Test> bool drawn(QWidget* widget, Test test) {
    const QImage image = widget->grab().toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (test(QColor(image.pixel(x, y)))) return true;
    return false;
}
// A caption in the dark text colour: a disabled one is pale.
inline bool darktext(QWidget* widget) {
    return drawn(widget, [](QColor c) { return c.lightness() < 80; });
}
// The orange focus ring.
inline bool ringed(QWidget* widget) {
    return drawn(widget, [](QColor c) { return c == QColor(0xe6, 0x7e, 0x22); });
}

// The controls Tab visits in a window, in order, by object name. One a screen reader could
// not name is marked so.
inline QStringList tabstops(QWidget* window) {
    QStringList stops;
    for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain()) {
        if (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(window)) continue;
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(w);
        stops << w->objectName() + (spoken->text(QAccessible::Name).isEmpty() ? " unnamed" : "");
    }
    return stops;
}

// The visible window with this object name, or none.
inline QWidget* visiblewindow(const char* name) {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == name && window->isVisible()) return window;
    return nullptr;
}

} // namespace quorvane::testing
