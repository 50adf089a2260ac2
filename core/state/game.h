// Everything a rule may touch: the game state, the main screen's values and the outside world.
#pragma once

#include "ports/dialogs.h"
#include "ports/navigator.h"
#include "ports/random.h"
#include "state/mainvars.h"
#include "state/module1.h"
#include "state/savefrmcontrols.h"

#include <optional>

namespace quorvane {

struct Game {
    Game(Random& random, Dialogs& dialogs, Navigator& navigator)
        : random(random), dialogs(dialogs), navigator(navigator) {}

    Module1 state;
    MainVars main;
    MainControls controls;
    // The file options screen, while it is loaded.
    std::optional<SaveFormControls> savefrm;

    Random& random;
    Dialogs& dialogs;
    Navigator& navigator;
};

} // namespace quorvane
