// The game with its windows: owns the state, the screens and the navigation between them.
#pragma once

#include "mainscreen.h"
#include "qtnavigator.h"
#include "state/game.h"
#include "titlescreen.h"

#include <memory>

namespace quorvane {

class Frontend {
public:
    Frontend(Random& random, Dialogs& dialogs);
    ~Frontend();

    // The start-up: the main screen loads hidden and the title screen appears.
    void start();

    Game& game() { return game_; }
    MainScreen& mainscreen() { return *main_; }
    TitleScreen& titlescreen() { return *title_; }

private:
    QtNavigator navigator_;
    Game game_;
    std::unique_ptr<MainScreen> main_;
    std::unique_ptr<TitleScreen> title_;
};

} // namespace quorvane
