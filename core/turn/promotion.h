// The weekly charge for the chosen promotion level.
#pragma once

#include "state/game.h"

namespace quorvane {

void chargepromotion(Game& game);

} // namespace quorvane
