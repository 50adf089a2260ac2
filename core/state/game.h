// Everything a rule may touch: the game state, the screens' values and the outside world.
#pragma once

#include "ports/dialogs.h"
#include "ports/random.h"
#include "state/fileoptionscontrols.h"
#include "state/gigscreens.h"
#include "state/mainvars.h"
#include "state/module1.h"
#include "state/recorddealcontrols.h"
#include "state/screens.h"

#include <optional>

namespace quorvane {

struct Game {
    Game(Random& random, Dialogs& dialogs, Navigator& navigator)
        : screens(navigator), random(random), dialogs(dialogs) {}

    Module1 state;
    MainVars main;
    MainControls controls;
    // The file options screen's controls, while the screen is loaded.
    std::optional<FileOptionsControls> fileoptions;
    // The gig and magazine screens' controls, while those screens are loaded.
    std::optional<GigControls> gig;
    std::optional<MagazineControls> magazine;
    std::optional<RecordDealControls> recorddeal;
    // The player said NO to a new band: the next NEW GAME starts from scratch.
    bool declined = false;

    Screens screens;
    Random& random;
    Dialogs& dialogs;
};

} // namespace quorvane
