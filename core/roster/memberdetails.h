// The member and track lists: picking a member or a track, the member panel and the report.
#pragma once

#include "state/game.h"

#include <string>

namespace quorvane {

// What LESSONS and the member report say when no member is picked.
inline constexpr const char* nomemberpicked = "Please select a band member";

// The member picked in the member list, or 0 when none is picked or that slot is vacant.
int selectedmember(const Game& game);
// A click on row `row` of the member list, counted from 0 (-1: no row).
void showmember(Game& game, int row);

// The values beside the panel's captions, for the picked member; blank with none picked.
struct MemberPanel {
    std::string txtage, txtsex, txtinstrument, txttalent, txtcharisma, txtattitude, txtlooks;
};
MemberPanel memberpanel(const Game& game);

// How member `slot` feels and how the band gets on with them, in words.
std::string moodreport(const Module1& state, int slot);
// A double-click on the member list: the report on the picked member.
void memberreport(Game& game);

// A click on row `row` of the track list, counted from 0 (-1: no row).
void selectsong(Game& game, int row);
// Another band has taken the place of the one on screen (a load, a new band, a new game):
// no member or track of it has been picked yet, so SACK waits for a click.
void forgetpicks(Game& game);

// The rows that show the picked member and the picked track, or -1.
int memberrow(const Game& game);
int songrow(const Game& game);
// The song slot picked in the track list, while it names a written track; else 0.
int selectedtrack(const Game& game);

} // namespace quorvane
