// BAND HOLIDAY: two weeks away that lift the whole band's mood.
#pragma once

#include "state/game.h"

namespace quorvane {

void bookholiday(Game& game);

} // namespace quorvane
