// Start-up, the new-game values, the fixed tables and the title screen's buttons.
#include "state/startup.h"
#include "state/tables.h"
#include "support/gamefixture.h"

namespace quorvane::testing {
namespace {

using std::chrono::day;
using std::chrono::September;
using std::chrono::year;

class StartupTest : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(random.left(), 0u); }
    void start() {
        for (int i = 0; i < 9; ++i)
            random.give(1, 10); // the first applicant
        startup(game);
    }

    ScriptedRandom random;
    ScriptedDialogs dialogs;
    RecordingNavigator navigator;
    Game game{random, dialogs, navigator};
};

TEST_F(StartupTest, StartsOnTheTitleScreenWithANewGame) {
    start();
    const auto& s = game.state;
    EXPECT_EQ(navigator.calls, (std::vector<std::string>{"hidemain", "showtitle"}));
    for (int slot = 1; slot <= 4; ++slot)
        EXPECT_EQ(s.membername[slot], "None");
    EXPECT_EQ(s.cash, 1000);
    EXPECT_EQ(s.popularity, 100);
    EXPECT_EQ(s.gamedate, (Date{year{2001}, September, day{1}}));
    EXPECT_EQ(s.songtimer, 10);
    EXPECT_EQ(s.songcount, 0);
    EXPECT_EQ(s.applicantslot, 1);
    EXPECT_EQ(s.bandname, std::string(20, ' '));
    EXPECT_EQ(s.songname[20], std::string(30, ' '));
    EXPECT_EQ(s.songname[19], "");
    EXPECT_EQ(s.instrument, (Texts<4>{"", "Vocals", "Guitar", "Bass", "Drums"}));
    EXPECT_EQ(s.promotion, 0);
    EXPECT_EQ(s.invitation, 0);
    EXPECT_EQ(s.venueopen, (Ints<5>{}));
    EXPECT_EQ(s.managerscore, 0);
    EXPECT_NE(game.controls.txtapplicant.find("Vocalist"), std::string::npos);
}

TEST_F(StartupTest, TablesHoldTheirWordsWithTheirBlanks) {
    start();
    const auto& s = game.state;
    EXPECT_EQ(s.malenames[26] + s.surnames[5], "Keith Del Ray");
    EXPECT_EQ(s.femalenames[12], "Charlotte ");
    EXPECT_EQ(s.surnames[26], "De Bourg");
    EXPECT_EQ(s.titlefirst[13], "Wierd");
    EXPECT_EQ(s.titlesecond[20], " Feelings");
    EXPECT_EQ(s.venuename[5], "The Plaza Music Hall");
    EXPECT_EQ(s.venuerequirement, (Ints<5>{0, 3, 60, 200, 260, 310}));
    EXPECT_EQ(s.venuefee, (Ints<5>{0, 0, 50, 100, 150, 250}));
    for (int i = 1; i <= 30; ++i) {
        EXPECT_EQ(s.malenames[i].back(), ' ');
        EXPECT_EQ(s.femalenames[i].back(), ' ');
        EXPECT_NE(s.surnames[i].back(), ' ');
    }
}

TEST_F(StartupTest, ComposedTitlesJoinTwoWordsWithOneBlank) {
    start();
    random.give(2, 20);
    random.give(20, 20);
    EXPECT_EQ(composetitle(game.state, random), "Extremes of Feelings");
    random.queue({0.0, 0.999999});
    EXPECT_EQ(composetitle(game.state, random), "Wild Feelings");
}

TEST_F(StartupTest, NewGameTakesTheTypedNameAndShowsTheMainScreen) {
    start();
    navigator.calls.clear();
    dialogs.typed = {" "};
    for (int i = 0; i < 9; ++i)
        random.give(1, 10);
    startnewgame(game);
    EXPECT_EQ(dialogs.shown.front(),
              (Shown{Shown::prompt, "Please enter the name of the Band: | NEW BAND"}));
    EXPECT_EQ(game.state.bandname, " ");
    EXPECT_EQ(navigator.calls, (std::vector<std::string>{"showmain", "hidetitle"}));
}

TEST_F(StartupTest, NewGameRefusesAnEmptyNameAndAsksAgainNextTime) {
    start();
    navigator.calls.clear();
    dialogs.typed = {""};
    startnewgame(game);
    EXPECT_EQ(dialogs.shown.back(), (Shown{Shown::message, "Invalid Band Name.", Icon::stop}));
    EXPECT_EQ(game.state.bandname, "");
    EXPECT_TRUE(navigator.calls.empty());

    dialogs.typed = {"Second Try"};
    for (int i = 0; i < 9; ++i)
        random.give(1, 10);
    startnewgame(game);
    EXPECT_EQ(dialogs.shown[2].kind, Shown::prompt);
    EXPECT_EQ(game.state.bandname, "Second Try");
}

TEST_F(StartupTest, NewGameRefusesNamesASavedGameCannotHold) {
    start();
    const std::string toolong(127, 'x');
    const std::string nowindows1252 = "Band \xe2\x98\x85"; // a star
    for (const auto& name : {toolong, nowindows1252}) {
        dialogs.typed = {name};
        startnewgame(game);
        EXPECT_EQ(dialogs.shown.back().icon, Icon::stop);
        EXPECT_EQ(game.state.bandname, std::string(20, ' ')) << "the name is not taken";
    }
    EXPECT_TRUE(navigator.calls.size() == 2) << "the title screen stays";

    dialogs.typed = {std::string(125, 'x') + "\xc3\xa9"}; // 126 bytes once saved
    for (int i = 0; i < 9; ++i)
        random.give(1, 10);
    startnewgame(game);
    EXPECT_EQ(game.state.bandname.size(), 127u);
}

TEST_F(StartupTest, SecretSpotAndQuitQuestion) {
    secretjoke(game);
    EXPECT_EQ(dialogs.shown.back(), (Shown{Shown::message, "Just get on and play will you!!"}));
    dialogs.answers = {false, true};
    EXPECT_FALSE(confirmquit(game));
    EXPECT_TRUE(confirmquit(game));
    EXPECT_EQ(dialogs.shown.back(), (Shown{Shown::question, "Are you sure you want to quit?"}));
}

} // namespace
} // namespace quorvane::testing
