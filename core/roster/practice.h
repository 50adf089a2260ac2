// Band practice, offered once a week to a full band.
#pragma once

#include "state/game.h"

namespace quorvane {

void practise(Game& game);

} // namespace quorvane
