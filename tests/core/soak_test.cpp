// A long seeded game of random clicks, checking that the state stays sound throughout.
#include "gigs/booking.h"
#include "gigs/rating.h"
#include "gigs/review.h"
#include "ports/mersennerandom.h"
#include "roster/applicants.h"
#include "roster/departures.h"
#include "roster/memberdetails.h"
#include "roster/practice.h"
#include "songs/songwriting.h"
#include "state/startup.h"
#include "support/scripted.h"
#include "turn/nextweek.h"
#include "turn/promotion.h"

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
    ASSERT_TRUE(s.songcount >= 0 && s.songcount <= songlimit && s.lastsong == s.songcount);
    ASSERT_EQ(
        game.controls.songlist,
        std::vector<std::string>(s.songname.begin() + 1, s.songname.begin() + 1 + s.songcount));
    ASSERT_TRUE(s.songtimer == songidle || (s.songtimer >= 1 && s.songtimer < songidle));
    ASSERT_TRUE(s.tiredness >= 0 && s.popularity >= 0);
    ASSERT_TRUE(!game.gig && !game.magazine && !game.screens.shown(Screen::gig));
    ASSERT_TRUE(!game.controls.Command2 || selectedmember(game) != 0);
    ASSERT_TRUE(game.screens.shown(Screen::main) && !game.screens.shown(Screen::title));
}

// BOOK GIG and whatever the gig screen allows, random venue and tracks, back to the main screen.
void gig(Game& game, Random& r) {
    checkgigband(game);
    if (!game.gig) return;
    choosevenue(game, below(r, venuecount));
    applyforgig(game);
    for (int picks = below(r, 12); picks > 0; --picks)
        addgigtrack(game, draw(r, std::max<int>(game.state.songcount, 1)));
    if (below(r, 4) == 0) cleargiglist(game);
    if (below(r, 5) > 0) playgig(game);
    closegig(game);
    closemagazine(game);
}

// Every click the main screen offers so far, NEXT WEEK most often.
using Action = void (*)(Game&, Random&);
const Action actions[] = {[](Game& g, Random&) { hireapplicant(g); },
                          [](Game& g, Random&) { dismissapplicant(g); },
                          [](Game& g, Random& r) { showmember(g, below(r, 5) - 1); },
                          [](Game& g, Random&) { sackmember(g); },
                          [](Game& g, Random&) { givelesson(g); },
                          [](Game& g, Random&) { writesong(g); },
                          [](Game& g, Random& r) { choosepromotion(g, below(r, 4)); },
                          [](Game& g, Random& r) { selectsong(g, below(r, 21) - 1); },
                          gig,
                          [](Game& g, Random&) { nextweek(g); },
                          [](Game& g, Random&) { nextweek(g); }};

TEST(Soak, RandomClicksKeepTheStateSound) {
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        MersenneRandom random(seed), clicks(seed + 2000);
        CoinDialogs dialogs(seed + 1000);
        RecordingNavigator navigator;
        Game game(random, dialogs, navigator);
        startup(game);
        startnewgame(game);
        for (int step = 0; step < 600; ++step) {
            actions[below(clicks, static_cast<int>(std::size(actions)))](game, clicks);
            ASSERT_NO_FATAL_FAILURE(checkinvariants(game)) << "step " << step;
        }
    }
}

} // namespace
} // namespace quorvane::testing
