// Training: weekly band practice and paid lessons, both raising talent through a counter.
#pragma once

#include "state/game.h"

namespace quorvane {

// Band practice, offered by the weekly turn: one member's progress grows, the band tires.
void practise(Game& game);
// LESSONS: a paid lesson for the picked member.
void givelesson(Game& game);

} // namespace quorvane
