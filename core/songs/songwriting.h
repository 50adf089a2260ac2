// Writing tracks: starting a song, and finishing it weeks later.
#pragma once

#include "state/game.h"

namespace quorvane {

// WRITE SONG: after its checks, starts a song that takes 2 to 5 weeks.
void writesong(Game& game);
// The quality of a song finished now: a draw from each member's talent and songwriting.
int songquality(const Module1& state, Random& random);
// Finishes the song in progress: a title, a quality, a place in the track list.
void makesong(Game& game);

} // namespace quorvane
