// A member leaving the band, sacked or walking out.
#include "roster/departures.h"

#include "state/refresh.h"

namespace quorvane {

namespace {

constexpr int shock = 4; // a well-liked leaver costs everyone this much happiness
constexpr int happiest = 10;

} // namespace

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
    listupdate(game);
    update(game);
}

} // namespace quorvane
