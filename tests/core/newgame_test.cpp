// Start-up, the new-game values, the fixed tables and the title screen's buttons.
#include "state/startup.h"
#include "state/tables.h"
#include "support/gamefixture.h"

namespace quorvane::testing {
namespace {

class StartupTest : public GameTest {
protected:
    StartupTest() {
        game.state = Module1{};
        applicant();
        startup(game);
        startcalls = std::exchange(navigator.calls, {});
    }
    std::vector<std::string> startcalls;
};

TEST_F(StartupTest, StartsOnTheTitleScreenWithANewGame) {
    const auto& s = game.state;
    EXPECT_EQ(startcalls, (std::vector<std::string>{"hide main", "show title"}));
    for (int slot = 1; slot <= 4; ++slot)
        EXPECT_EQ(s.membername[slot], "None");
    EXPECT_EQ(std::tie(s.cash, s.popularity, s.songtimer, s.songcount, s.applicantslot),
              std::tuple(1000, 100, 10, 0, 1));
    EXPECT_EQ(s.gamedate,
              (Date{std::chrono::year{2001}, std::chrono::September, std::chrono::day{1}}));
    EXPECT_EQ(s.bandname, std::string(20, ' '));
    EXPECT_EQ(s.songname[20], std::string(30, ' '));
    EXPECT_EQ(s.instrument, (Texts<4>{"", "Vocals", "Guitar", "Bass", "Drums"}));
    EXPECT_EQ(s.malenames[26] + s.surnames[5], "Keith Del Ray");
    EXPECT_EQ(s.venuerequirement, (Ints<5>{0, 3, 60, 200, 260, 310}));
    EXPECT_EQ(s.venuefee, (Ints<5>{0, 0, 50, 100, 150, 250}));
    EXPECT_NE(game.controls.txtapplicant.find("Vocalist"), std::string::npos);
}

TEST_F(StartupTest, ComposedTitlesJoinTwoWordsWithOneBlank) {
    random.give(2, 20);
    random.give(20, 20);
    EXPECT_EQ(composetitle(game.state, random), "Extremes of Feelings");
}

TEST_F(StartupTest, NewGameTakesAnyNameButAnEmptyOne) {
    dialogs.typed = {""};
    startnewgame(game);
    EXPECT_EQ(dialogs.shown.front(),
              (Shown{Shown::prompt, "Please enter the name of the Band: | NEW BAND"}));
    EXPECT_EQ(dialogs.shown.back(), (Shown{Shown::message, "Invalid Band Name.", Icon::stop}));
    EXPECT_TRUE(navigator.calls.empty());

    dialogs.typed = {" "};
    applicant();
    startnewgame(game);
    EXPECT_EQ(game.state.bandname, " ");
    EXPECT_EQ(navigator.calls, (std::vector<std::string>{"show main", "hide title"}));
}

TEST_F(StartupTest, NewGameRefusesNamesASavedGameCannotHold) {
    for (const std::string& name : {std::string(127, 'x'), std::string("Band \xe2\x98\x85")}) {
        dialogs.typed = {name};
        startnewgame(game);
        EXPECT_EQ(dialogs.shown.back().icon, Icon::stop);
        EXPECT_EQ(game.state.bandname, std::string(20, ' ')) << "the name is not taken";
    }
    EXPECT_TRUE(navigator.calls.empty()) << "the title screen stays";

    dialogs.typed = {std::string(125, 'x') + "\xc3\xa9"}; // 126 bytes once saved
    applicant();
    startnewgame(game);
    EXPECT_EQ(game.state.bandname.size(), 127u);
}

TEST_F(StartupTest, SecretSpotAndQuitQuestion) {
    secretjoke(game);
    EXPECT_EQ(dialogs.shown.back(), (Shown{Shown::message, "Just get on and play will you!!"}));
    dialogs.answers = {false, true};
    quitgame(game);
    EXPECT_TRUE(navigator.calls.empty());
    quitgame(game);
    EXPECT_EQ(navigator.calls, std::vector<std::string>{"quit"});
    EXPECT_EQ(dialogs.shown.back(), (Shown{Shown::question, "Are you sure you want to quit?"}));
}

} // namespace
} // namespace quorvane::testing
