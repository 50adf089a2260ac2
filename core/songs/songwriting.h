// Finishing the song the band is writing.
#pragma once

#include "state/game.h"

namespace quorvane {

void makesong(Game& game);

} // namespace quorvane
