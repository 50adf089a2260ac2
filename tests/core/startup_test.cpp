// Start-up, the new-game values, the title screen's buttons, and the arithmetic every rule
// leans on.
#include "state/startup.h"
#include "state/tables.h"
#include "support/gamefixture.h"

namespace quorvane::testing {
namespace {

using namespace std::chrono;

TEST_F(GameTest, StartsOnTheTitleScreenAndNewGameTakesAnyNameASaveCanHold) {
    game.state = Module1{};
    applicant();
    startup(game);
    const auto& s = game.state;
    EXPECT_EQ(std::tie(s.cash, s.popularity, s.songtimer, s.songcount, s.applicantslot),
              std::tuple(1000, 100, 10, 0, 1));
    EXPECT_EQ(std::tie(s.gamedate, s.bandname, s.songname[20], s.membername[4], s.instrument[3]),
              std::tuple(year{2001} / September / 1, std::string(20, ' '), std::string(30, ' '),
                         "None", "Bass"));
    EXPECT_NE(game.controls.txtapplicant.find("Vocalist"), std::string::npos);
    const std::pair<std::string, const char*> refused[] = {
        {"", "Invalid Band Name."},
        {std::string(127, 'x'), "That band name is too long for a saved game. Please use at most "
                                "126 characters."},
        {"Band \xe2\x98\x85", "A saved game can only hold Western European letters, digits and "
                              "punctuation in a band name. Please choose a name made of those."}};
    for (const auto& [name, message] : refused) {
        dialogs.typed = {name};
        startnewgame(game);
        EXPECT_EQ(dialogs.shown.back(), (Shown{Shown::message, message, Icon::stop}));
    }
    EXPECT_EQ(dialogs.shown[0],
              (Shown{Shown::prompt, "Please enter the name of the Band: | NEW BAND"}));
    EXPECT_EQ(navigator.calls, (Lines{"hide main", "show title"}));
    dialogs.typed = {std::string(125, 'x') + "\xc3\xa9"}; // 126 bytes once saved
    applicant();
    startnewgame(game);
    EXPECT_EQ(std::tie(s.bandname.back(), navigator.calls.back()),
              std::tuple('\xa9', "hide title"));
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

TEST(Arithmetic, QuotientsRoundDownSumsStopAtTheLimitsAndTheCalendarAtItsEnds) {
    const long long rows[][3] = {{3581, 1000, 3},   {999, 1000, 0},    {-500, 1000, -1},
                                 {-1000, 1000, -1}, {-1001, 1000, -2}, {7, -2, -4}};
    for (const auto& [dividend, divisor, quotient] : rows)
        EXPECT_EQ(floordiv(dividend, divisor), quotient) << dividend << " / " << divisor;
    EXPECT_EQ(std::tuple(sat16(40000), sat16(-40000)), std::tuple(32767, -32768));
    EXPECT_EQ(adddays(year{9999} / December / 28, 7), year{9999} / December / 31);
    EXPECT_EQ(adddays(year{100} / January / 3, -7), year{100} / January / 1);
}

} // namespace
} // namespace quorvane::testing
