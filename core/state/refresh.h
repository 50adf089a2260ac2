// The main screen's refresh operations.
#pragma once

#include "state/game.h"

#include <string>

namespace quorvane {

// Refreshes the applicant area (a new applicant whenever a slot is vacant). The band name,
// date and cash are read straight from the state by the screen, so they are never stale.
void update(Game& game);
// Refills the track list with song slots 1..songcount.
void updatesonglist(Game& game);
// Refills the member list and the row-to-slot map `listslot`.
void listupdate(Game& game);

// Cash as the screen shows it: "£ " and the number.
std::string cashtext(int16 cash);

} // namespace quorvane
