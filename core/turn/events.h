// The random incidents of a week.
#pragma once

#include "state/game.h"

namespace quorvane {

void events(Game& game);

} // namespace quorvane
