// A window of the game: it shows what the core holds and forwards clicks to the core.
#pragma once

#include "state/game.h"

#include <QAbstractButton>
#include <QWidget>

#include <functional>

namespace quorvane {

class GameWindow : public QWidget {
public:
    // `refresh` re-syncs every visible screen; each click ends with it.
    GameWindow(Game& game, std::function<void()> refresh)
        : game_(game), refresh_(std::move(refresh)) {
        setWindowTitle("Quorvane");
        setAttribute(Qt::WA_StyledBackground);
    }

    // Copies the core's texts and flags into the widgets; it only reads.
    virtual void sync() = 0;

protected:
    // Runs one core operation behind a click, then shows its result on every screen.
    template <typename Operation> void run(Operation operation) {
        operation(game_);
        refresh_();
    }
    template <typename Operation> void wire(QAbstractButton* button, Operation operation) {
        connect(button, &QAbstractButton::clicked, this, [this, operation] { run(operation); });
    }

    Game& game_;

private:
    std::function<void()> refresh_;
};

} // namespace quorvane
