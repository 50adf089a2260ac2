// Removing a member from the band.
#pragma once

#include "state/game.h"

namespace quorvane {

void delete_member(Game& game);

} // namespace quorvane
