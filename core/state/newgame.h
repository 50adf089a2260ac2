// The new-game values and the name tables, set once when the program starts.
#pragma once

#include "state/module1.h"

namespace quorvane {

// Fills every fixed table and gives the rest of the state its new-game values.
// Draws nothing: the band is formed from applicants.
void newgame(Module1& state);
// The blank texts a new game starts with.
void padtexts(Module1& state);

} // namespace quorvane
