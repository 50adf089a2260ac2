// The random incidents of a week.
#pragma once

#include "state/game.h"

namespace quorvane {

// A misbehaving member, an illness, then the press and media for a full band; each incident
// is announced as it happens. Popularity ends the week at 0 or more.
void events(Game& game);

} // namespace quorvane
