// Booking a gig: the band check behind BOOK GIG and the gig screen's venue and track list.
#pragma once

#include "state/game.h"

namespace quorvane {

// BOOK GIG: the gig screen opens only for four fit members; otherwise a message says why.
void checkgigband(Game& game);
// Opens the gig screen afresh over the hidden main screen.
void opengig(Game& game);
// BACK, or the window's own close control: nothing is used up.
void closegig(Game& game);

// A venue option, by its index 0..4.
void choosevenue(Game& game, int index);
// APPLY: true when the venue picked takes the band.
bool applyforgig(Game& game);

enum class TrackAdded { added, full, duplicate, ignored };
// A track picked in the picker, by song slot (the picker's row plus 1). A picker not yet
// enabled, or a slot it does not list, is ignored.
TrackAdded addgigtrack(Game& game, int slot);
// CLEAR LIST.
void cleargiglist(Game& game);

} // namespace quorvane
