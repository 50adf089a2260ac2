// The game with its windows: owns the state, the screens and the navigation between them.
#pragma once

#include "clickguard.h"
#include "qtnavigator.h"
#include "state/game.h"

namespace quorvane {

class MainScreen;
class TitleScreen;

class Frontend {
public:
    Frontend(Random& random, Dialogs& dialogs);
    Frontend(const Frontend&) = delete;
    Frontend& operator=(const Frontend&) = delete;
    ~Frontend();

    // The start-up: the title screen appears.
    void start();

    Game& game() { return game_; }
    QtNavigator& navigator() { return navigator_; }
    MainScreen& mainscreen();
    TitleScreen& titlescreen();

private:
    ClickGuard guard_;
    QtNavigator navigator_;
    Game game_;
};

} // namespace quorvane
