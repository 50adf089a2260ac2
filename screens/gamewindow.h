// A window of the game: it shows what the core holds and forwards clicks to the core.
#pragma once

#include "clickguard.h"
#include "state/game.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QWidget>

#include <functional>

class QScrollArea;
class QVBoxLayout;

namespace quorvane {

class GameWindow : public QWidget {
public:
    // `refresh` re-syncs every visible screen; each click ends with it.
    GameWindow(Game& game, std::function<void()> refresh);

    // Copies the core's texts and flags into the widgets; it only reads.
    virtual void sync() = 0;

    // The window is never larger than `room`, the screen's free area less the window's
    // frame; what does not fit scrolls.
    void fitwithin(QSize room);

protected:
    // Runs one core operation behind a click, then shows its result on every screen.
    template <typename Operation> void run(Operation operation) {
        operation(game_);
        refresh_();
    }
    template <typename Operation> void wire(QAbstractButton* button, Operation operation) {
        connect(button, &QAbstractButton::clicked, this, [this, operation] {
            run(operation);
            ClickGuard::acted();
        });
    }

    // The page the screen lays its controls on.
    QWidget* page() const { return page_; }

    // Fixes the window at the size its content takes at the player's font, never smaller
    // than it was drawn at.
    void fitcontent(QSize drawn);
    // Wrapped text takes the lines it needs at the window's width, as when it changes.
    void fitlines();

    // Escape presses this button, the screen's way back.
    void escapeclicks(QAbstractButton* button) { escape_ = button; }

    // Enter presses the button that has the focus, on every screen alike. A key the focused
    // control has no use for arrives here.
    void keyPressEvent(QKeyEvent* event) override;

    Game& game_;

private:
    // The page keeps its whole size; the window takes as much of it as the room allows, and
    // a scroll bar's breadth more across where the other way scrolls.
    void settle();
    // Puts the page in a scroll area, the first time the screen has too little room for it.
    void scrollpage();

    std::function<void()> refresh_;
    QAbstractButton* escape_ = nullptr;
    QVBoxLayout* frame_;
    QWidget* page_;
    QScrollArea* scroll_ = nullptr;
    QSize drawn_;
    QSize content_;
    QSize room_{QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
};

} // namespace quorvane
