// A game with real screens and scripted dialogs, for clicking through the windows in tests.
#pragma once

#include "frontend.h"
#include "mainscreen.h"
#include "ports/mersennerandom.h"
#include "support/scripted.h"
#include "titlescreen.h"

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

    MersenneRandom random{20010901};
    ScriptedDialogs dialogs;
    Frontend frontend{random, dialogs};
};

// The darkest pixel of a control as drawn, in lightness 0..255: a disabled caption is pale.
inline int darkest(QWidget* widget) {
    const QImage image = widget->grab().toImage();
    int least = 255;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            least = std::min(least, QColor(image.pixel(x, y)).lightness());
    return least;
}

// Whether a control is drawn with the orange focus ring.
inline bool ringed(QWidget* widget) {
    const QImage image = widget->grab().toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == qRgb(0xe6, 0x7e, 0x22)) return true;
    return false;
}

// The visible window with this object name, or none.
inline QWidget* visiblewindow(const char* name) {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == name && window->isVisible()) return window;
    return nullptr;
}

} // namespace quorvane::testing
