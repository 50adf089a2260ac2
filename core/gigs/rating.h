// The gig itself: how well the band played, and what the gig changes.
#pragma once

#include "state/game.h"

namespace quorvane {

// The rating of a gig of the six tracks on `setlist` at a venue, 0 or more. Draws one
// number for each talent or looks outside 3..7, member by member.
int16 rategig(const Module1& state, int venue, Random& random);
// The song slot of the first track on the set list with the highest quality.
int16 bestofset(const Module1& state);

// PLAY GIG: refused without six tracks; otherwise the gig is played, paid and reviewed.
void playgig(Game& game);

} // namespace quorvane
