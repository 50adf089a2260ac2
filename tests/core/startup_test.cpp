// Start-up, the new-game values and the title screen's buttons.
#include "state/startup.h"
#include "state/tables.h"
#include "support/gamefixture.h"

namespace quorvane::testing {
namespace {

TEST_F(GameTest, StartsOnTheTitleScreenAndNewGameTakesAnyNameASaveCanHold) {
    auto& s = game.state = Module1{};
    applicant();
    startup(game);
    EXPECT_EQ(str(s.cash, s.popularity, s.songtimer, s.songcount, s.membername[4], s.instrument[3],
                  s.bandname.size(), s.songname[20].size()),
              "1000 100 10 0 None Bass 20 30");
    EXPECT_EQ(s.gamedate, std::chrono::year{2001} / std::chrono::September / 1);
    const std::pair<std::string, const char*> refused[] = {{"", "Invalid Band Name."},
                                                           {std::string(127, 'x'), "too long"},
                                                           {"\xe2\x98\x85", "letters"}};
    for (const auto& [name, message] : refused) {
        dialogs.typed = {name};
        startnewgame(game);
        EXPECT_NE(last().find(message), std::string::npos);
        EXPECT_EQ(dialogs.shown.back().icon, Icon::stop);
    }
    EXPECT_EQ(dialogs.shown[0].text, "Please enter the name of the Band: | NEW BAND");
    EXPECT_EQ(navigator.calls, (Lines{"hide main", "show title"}));
    dialogs.typed = {std::string(125, 'x') + "\xc3\xa9"}; // 126 bytes once saved
    applicant();
    startnewgame(game);
    EXPECT_EQ(str(s.bandname.size(), navigator.calls.back()), "127 hide title");
    secretjoke(game);
    EXPECT_EQ(last(), "Just get on and play will you!!");
    dialogs.answers = {false, true};
    quitgame(game);
    EXPECT_NE(navigator.calls.back(), "quit");
    quitgame(game);
    EXPECT_EQ(std::tuple(navigator.calls.back(), dialogs.shown.back()),
              std::tuple("quit", Shown{Shown::careful, "Are you sure you want to quit?"}));
    random.give({{2, 20}, {20, 20}});
    EXPECT_EQ(composetitle(s, random), "Extremes of Feelings");
}

} // namespace
} // namespace quorvane::testing
