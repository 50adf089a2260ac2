// A member leaving the band, sacked or walking out.
#include "roster/departures.h"

#include "roster/memberdetails.h"
#include "state/refresh.h"

namespace quorvane {

namespace {

constexpr int shock = 4; // a well-liked leaver costs everyone this much happiness
constexpr int happiest = 10;

} // namespace

void sackmember(Game& game) {
    if (!game.controls.Command2) return;
    game.controls.Command2 = false;
    const int slot = selectedmember(game);
    if (slot == 0) return;
    if (game.dialogs.askcarefully("Are you sure you want to sack " + game.state.membername[slot] +
                                  "?"))
        delete_member(game);
}

void delete_member(Game& game) {
    auto& s = game.state;
    const int slot = game.main.Selected;
    const long loss =
        2L * (s.talent[slot] + s.charisma[slot] + s.looks[slot] + s.songwriting[slot]);
    s.popularity = sat16(std::max(0L, s.popularity - loss));

    s.membername[slot] = none;
    s.talent[slot] = s.charisma[slot] = s.attitude[slot] = s.looks[slot] = s.songwriting[slot] = 0;
    s.membersex[slot] = "0";

    // Losing someone everybody got on with shocks the band; losing a troublemaker cheers it.
    const int discord = s.discord[slot];
    for (int other = 1; other <= membercount; ++other) {
        if (discord < 1) {
            s.happiness[other] = sat16(std::max(0, s.happiness[other] - shock));
        } else if (other != slot) {
            s.happiness[other] = sat16(std::min(happiest, s.happiness[other] + discord));
        }
    }
    // The leaver is nobody to sack or teach, and whoever is hired into the slot next has
    // not been picked yet.
    game.main.Selected = 0;
    game.controls.Command2 = false;
    listupdate(game);
    update(game);
}

} // namespace quorvane
