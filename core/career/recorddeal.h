// A record deal: the signing text with the manager's score, and the offer of a new band.
#pragma once

#include "state/game.h"

#include <string>

namespace quorvane {

// The band's verdict on its manager, by the members' happiness summed.
std::string moodline(int happiness);
// How well known the new band is, by its popularity.
std::string fameline(int popularity);
// Folds the signed band's result into the running score: its total over 1000, rounded down.
std::int32_t foldscore(std::int32_t score, const Module1& signedband);

// Scores the signed band, puts a new band in its place and returns the text saying so.
std::string signingtext(Game& game);
// Draws a new band into the state in place of the signed one.
void newband(Game& game);

// Opens the record-deal screen; composing its text makes the new band.
void openrecorddeal(Game& game);
// YES: play on with the new band, without the old band's songs.
void acceptnewband(Game& game);
// NO, or the window's own close control: back to the title screen.
void declinenewband(Game& game);

} // namespace quorvane
