// Paid promotion: the level chosen on the main screen, charged every week.
#pragma once

#include "state/game.h"

namespace quorvane {

// A click on option `index` (0 None, 1 Small, 2 Medium, 3 High) of the promotion group.
void choosepromotion(Game& game, int index);
// The weekly charge for the chosen level, and its gain in popularity.
void chargepromotion(Game& game);

} // namespace quorvane
