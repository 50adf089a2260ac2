// The title screen: NEW GAME, LOAD GAME, EXIT and a hidden joke.
#pragma once

#include "gamewindow.h"

namespace quorvane {

class TitleScreen : public GameWindow {
    Q_OBJECT
public:
    TitleScreen(Game& game, std::function<void()> refresh);

    // The title screen shows nothing of the game.
    void sync() override {}

protected:
    // Closing the window ends the program, like EXIT.
    void closeEvent(QCloseEvent* event) override;
};

} // namespace quorvane
