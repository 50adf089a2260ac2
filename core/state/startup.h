// Program start-up and the title screen's buttons.
#pragma once

#include "state/game.h"

namespace quorvane {

// Hides the main screen, shows the title screen and sets up a new game with a first
// applicant. The random source is already seeded by the program's start.
void startup(Game& game);
// NEW GAME: asks for the band's name and starts play with it.
void startnewgame(Game& game);
// The invisible spot on the title screen.
void secretjoke(Game& game);
// The main screen's "X": asks first, and ends the program on Yes.
void quitgame(Game& game);
// The title screen's EXIT: ends the program.
void exitgame(Game& game);

} // namespace quorvane
