// The real windows behind the game's screens: made on first showing, hidden, discarded.
#pragma once

#include "ports/navigator.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>
#include <vector>

namespace quorvane {

class GameWindow;

class QtNavigator final : public Navigator {
public:
    using Factory = std::function<GameWindow*()>;

    QtNavigator() = default;
    QtNavigator(const QtNavigator&) = delete;
    QtNavigator& operator=(const QtNavigator&) = delete;
    ~QtNavigator() override;

    // How to make a screen's window.
    void define(Screen screen, Factory make);

    void show(Screen screen) override;
    void showover(Screen screen, Screen owner) override;
    void hide(Screen screen) override;
    void close(Screen screen) override;
    void quit() override;

    // Re-syncs every loaded window with the core: after each click, before each box, and
    // whenever a window is shown.
    void refresh();
    // The window a message box belongs over: the active game window, else the last shown.
    QWidget* front() const;
    // A screen's window, made now if it is not loaded.
    GameWindow& window(Screen screen);
    // Deletes every window at once; the game they show is going away.
    void destroyall();

private:
    struct Slot {
        Factory make;
        QPointer<GameWindow> window;
    };
    Slot& slot(Screen screen) { return slots_[static_cast<std::size_t>(screen)]; }
    // A new window sits over the one in front, wholly on the screen and no larger.
    void place(GameWindow& window) const;

    std::array<Slot, screencount> slots_;
    // Where the last window to go stood, so the next one takes its place.
    void remember(QWidget& window);

    std::vector<QPointer<GameWindow>> discarded_;
    QPointer<QWidget> front_;
    QRect last_;
};

} // namespace quorvane
