// Paid promotion, charged by the weekly turn.
#include "turn/promotion.h"

#include <array>

namespace quorvane {

namespace {

struct Level {
    int price;
    int halfgain; // twice the gain: Small's half a point rounds away to nothing
};

// By `promotion`: 0 never chosen, 1 None, 2 Small, 3 Medium, 4 High.
constexpr std::array<Level, 5> levels = {{{0, 0}, {0, 0}, {100, 1}, {250, 3}, {400, 4}}};

} // namespace

void choosepromotion(Game& game, int index) {
    game.state.promotion = static_cast<int16>(index + 1);
}

void chargepromotion(Game& game) {
    auto& s = game.state;
    const Level& level = levels[static_cast<std::size_t>(s.promotion)];
    if (level.price == 0) return;
    if (s.cash < level.price) {
        game.dialogs.message("You cannot afford any promotion this week");
        return;
    }
    add16(s.cash, -level.price);
    s.popularity = sat16(floordiv(2LL * s.popularity + level.halfgain, 2));
}

} // namespace quorvane
