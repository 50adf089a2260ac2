// NEXT WEEK: the sixteen steps of the weekly turn, in their fixed order.
#pragma once

#include "state/game.h"

namespace quorvane {

void nextweek(Game& game);

} // namespace quorvane
