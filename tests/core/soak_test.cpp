// A long seeded game of random clicks, checking that the state stays sound throughout.
#include "ports/mersennerandom.h"
#include "roster/applicants.h"
#include "state/startup.h"
#include "support/scripted.h"
#include "turn/nextweek.h"

#include <gtest/gtest.h>

namespace quorvane::testing {
namespace {

// Answers every question by chance and names the band "Soak".
class CoinDialogs final : public Dialogs {
public:
    explicit CoinDialogs(std::uint32_t seed) : coin_(seed) {}
    void message(std::string_view, Icon) override {}
    bool ask(std::string_view) override { return draw(coin_, 2) == 1; }
    std::string prompt(std::string_view, std::string_view, std::string_view) override {
        return "Soak";
    }

private:
    MersenneRandom coin_;
};

void checkinvariants(const Game& game) {
    const auto& s = game.state;
    ASSERT_TRUE(s.applicantslot >= 1 && s.applicantslot <= 4);
    ASSERT_TRUE(!game.controls.hire || !s.occupied(s.applicantslot));
    ASSERT_TRUE(!s.fullband() || game.controls.txtapplicant == "No Applicants");
    std::size_t row = 0;
    for (int slot = 1; slot <= membercount; ++slot) {
        if (!s.occupied(slot)) continue;
        ASSERT_EQ(game.controls.members.at(row), s.membername[slot]);
        ASSERT_EQ(s.listslot[++row], slot);
    }
    ASSERT_EQ(row, game.controls.members.size());
    ASSERT_GE(s.tiredness, 0);
    ASSERT_TRUE(game.screens.shown(Screen::main) && !game.screens.shown(Screen::title));
}

TEST(Soak, RandomClicksKeepTheStateSound) {
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        MersenneRandom random(seed), clicks(seed + 2000);
        CoinDialogs dialogs(seed + 1000);
        RecordingNavigator navigator;
        Game game(random, dialogs, navigator);
        startup(game);
        startnewgame(game);
        for (int step = 0; step < 400; ++step) {
            const double click = clicks.uniform(1);
            const auto cash = game.state.cash;
            if (click < 0.3)
                hireapplicant(game);
            else if (click < 0.6)
                dismissapplicant(game);
            else
                nextweek(game);
            ASSERT_LE(game.state.cash, cash);
            ASSERT_NO_FATAL_FAILURE(checkinvariants(game));
        }
    }
}

} // namespace
} // namespace quorvane::testing
