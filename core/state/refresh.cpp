// Refreshing what the main screen shows.
#include "state/refresh.h"

#include "roster/applicants.h"

namespace quorvane {

void update(Game& game) {
    refreshapplicant(game);
}

void updatesonglist(Game& game) {
    game.controls.songlist.clear();
    for (int slot = 1; slot <= game.state.songcount; ++slot)
        game.controls.songlist.push_back(game.state.songname[slot]);
}

void listupdate(Game& game) {
    auto& rows = game.controls.members;
    rows.clear();
    for (int slot = 1; slot <= membercount; ++slot) {
        if (!game.state.occupied(slot)) continue;
        rows.push_back(game.state.membername[slot]);
        game.state.listslot[rows.size()] = static_cast<int16>(slot);
    }
}

std::string cashtext(int16 cash) {
    return "£ " + std::to_string(cash);
}

} // namespace quorvane
