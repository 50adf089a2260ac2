// The record label's answer to a demo tape.
#pragma once

#include "state/game.h"

namespace quorvane {

void demoverdict(Game& game);

} // namespace quorvane
