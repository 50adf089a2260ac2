// What the player learns about a member by picking them.
#include "roster/memberdetails.h"

namespace quorvane {

namespace {

// Happiness 3 falls between "unhappy" (up to 2) and "content" (from 4); it is still a
// worry, so it reads as unhappy rather than leaving the report to open with a bare pronoun.
std::string moodsentence(const std::string& name, int happiness) {
    if (happiness <= 3) return name + " is unhappy. ";
    if (happiness <= 6) return name + " is content. ";
    if (happiness <= 8) return name + " is quite happy. ";
    return name + " is very happy. ";
}

const char* standing(int discord) {
    if (discord <= 2) return " gets on really well with other members of the band.";
    if (discord <= 4) return " gets on pretty well with other band members. ";
    if (discord <= 6) return " is tolerated by the band. ";
    return " is hated by the rest of the band. ";
}

} // namespace

int selectedmember(const Game& game) {
    const int slot = game.main.Selected;
    return slot >= 1 && slot <= membercount && game.state.occupied(slot) ? slot : 0;
}

void showmember(Game& game, int row) {
    const bool listed = row >= 0 && row < static_cast<int>(game.controls.members.size());
    game.main.Selected = listed ? game.state.listslot[row + 1] : int16{0};
    game.controls.Command2 = listed;
}

MemberPanel memberpanel(const Game& game) {
    const int slot = selectedmember(game);
    if (slot == 0) return {};
    const auto& s = game.state;
    auto number = [slot](const Ints<membercount>& field) { return std::to_string(field[slot]); };
    return {number(s.memberage), s.membersex[slot],  s.instrument[slot], number(s.talent),
            number(s.charisma),  number(s.attitude), number(s.looks)};
}

std::string moodreport(const Module1& state, int slot) {
    return moodsentence(state.membername[slot], state.happiness[slot]) +
           (state.membersex[slot] == "Male" ? "He" : "She") + standing(state.discord[slot]);
}

void memberreport(Game& game) {
    const int slot = selectedmember(game);
    game.dialogs.message(slot == 0 ? nomemberpicked : moodreport(game.state, slot));
}

void selectsong(Game& game, int row) {
    game.main.selectedsong = static_cast<int16>(row < 0 ? 0 : row + 1);
}

void forgetpicks(Game& game) {
    game.main.Selected = 0;
    game.main.selectedsong = 0;
    game.controls.Command2 = false;
}

int memberrow(const Game& game) {
    const int slot = selectedmember(game);
    for (int row = 0; slot != 0 && row < static_cast<int>(game.controls.members.size()); ++row)
        if (game.state.listslot[row + 1] == slot) return row;
    return -1;
}

int selectedtrack(const Game& game) {
    const int song = game.main.selectedsong;
    return song >= 1 && song <= game.state.songcount ? song : 0;
}

int songrow(const Game& game) {
    const int song = selectedtrack(game);
    return song <= static_cast<int>(game.controls.songlist.size()) ? song - 1 : -1;
}

} // namespace quorvane
