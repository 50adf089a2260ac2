// INTERVIEW: a radio interview or a cable TV show, taken up once per invitation.
#pragma once

#include "state/game.h"

#include <string>

namespace quorvane {

constexpr int radio = 1; // `invitation` for a radio interview; any other is the TV show

// The points the band earns: charisma (and looks on TV) by chance, attitude for sure.
int interviewscore(const Module1& state, Random& random);
// How the appearance went, for the player.
std::string interviewmessage(int invitation, int score);

void giveinterview(Game& game);

} // namespace quorvane
