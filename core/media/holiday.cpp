// A holiday skips two weeks without a weekly turn: no wages, events or song progress.
#include "media/holiday.h"

#include "state/refresh.h"

#include <algorithm>

namespace quorvane {

namespace {

constexpr int holidayprice = 300;
constexpr int lift = 4;
constexpr int happiest = 10;

} // namespace

void bookholiday(Game& game) {
    auto& s = game.state;
    if (!s.fullband()) {
        game.dialogs.message("You haven't got a full band to send on holiday.", Icon::warning);
        return;
    }
    if (s.cash < holidayprice) {
        game.dialogs.message("You can't afford to organise a band holiday, you need £300");
        return;
    }
    if (!game.dialogs.ask("Go ahead and book a 2 week holiday?")) return;
    for (int slot = 1; slot <= membercount; ++slot)
        s.happiness[slot] = static_cast<int16>(std::min(s.happiness[slot] + lift, happiest));
    s.gamedate = adddays(s.gamedate, 14);
    add16(s.cash, -holidayprice);
    update(game);
}

} // namespace quorvane
