// The weekly turn: its steps, their order, their draws and the bankruptcy stop.
#include "support/gamefixture.h"
#include "turn/nextweek.h"

namespace quorvane::testing {
namespace {

using namespace std::chrono;
using NextWeekTest = GameTest;

const Date september1 = year{2001} / September / 1;

TEST_F(NextWeekTest, AFullBandWeekRunsEveryStepInOrder) {
    fillband();
    auto& s = game.state;
    s.happiness[3] = 1;
    s.illweeks = {0, 2, 0, 1, 0};
    s.lessons[2] = 6;
    s.promotion = 4; // High, which £300 cannot pay for
    s.cash = 300;
    s.applicantsthisweek = 4;
    s.invitation = 2;
    s.songtimer = 1;
    game.controls.interview = true;
    game.controls.command4 = false;
    dialogs.answers = {true};
    // Member 2 practises a step and so gains a point of talent, before the song is rated.
    random.give({{2, 4}, {1, 2}, {1, 2}, {1, 2}, {1, 3}, {1, 2}, {1, 2}, {1, 2}, {1, 2}, {1, 2}});
    random.give({{2, 3}, {1, 20}, {1, 20}}); // 3 weeks' rest, "Wild Vibes"
    random.give({{1, 3}, {2, 3}, {3, 3}, {3, 3}, {1, 2}, {2, 2}, {2, 2}, {1, 2}, {1, 2}});
    random.give(2, 1000, 4);
    random.give({{1, 100}, {3, 5}}); // a good piece in the paper, worth 7
    nextweek(game);

    EXPECT_EQ(dialogs.shown.front(), (Shown{Shown::question, "Do you want the band to practise?"}));
    EXPECT_EQ(dialogs.messages(),
              (Lines{"Thanks to practising, Member 2 has become more talented!",
                     "You cannot afford any promotion this week", "Member 3 is unhappy.",
                     "The band has finished writing a new track!",
                     "A newspaper columnist wrote a very good piece about the band!"}));
    EXPECT_EQ(std::tie(s.talent[2], s.lessons[2], s.tiredness), std::tuple(3, 0, 2));
    EXPECT_EQ(s.illweeks, (Ints<4>{0, 1, 0, 0, 0}));
    EXPECT_EQ(std::tie(s.songtimer, s.songcount, s.songname[1], s.songquality[1]),
              std::tuple(10, 1, "Wild Vibes", 8));
    EXPECT_EQ(std::tie(s.invitation, s.applicantsthisweek, s.popularity), std::tuple(0, 0, 107));
    EXPECT_EQ(std::tie(s.gamedate, s.cash), std::tuple(adddays(september1, 7), 300 - 9));
    EXPECT_EQ(s.venueopen, (Ints<5>{0, -1, 0, 0, -1, -1}));
    EXPECT_EQ(std::tie(game.controls.interview, game.controls.command4), std::tuple(false, true));
    EXPECT_EQ(game.controls.txtapplicant, "No Applicants");
}

TEST_F(NextWeekTest, OnlyOccupiedSlotsArePaidAndTheCalendarStopsAtItsEnd) {
    fill(2, "Gus Tar");
    fill(4, "Drew Mer");
    auto& s = game.state;
    s.gamedate = year{9999} / December / 28;
    random.give({{3, 3}, {2, 3}}); // wages for the two members only
    random.give(2, 2, 5);
    calmweek();
    applicant();
    nextweek(game);
    EXPECT_TRUE(dialogs.shown.empty()) << "no practice question without a full band";
    EXPECT_EQ(std::tie(s.cash, s.gamedate), std::tuple(995, year{9999} / December / 31));

    s.membername[2] = s.membername[4] = "None";
    s.cash = 0;
    quietweek();
    applicant();
    nextweek(game);
    EXPECT_EQ(std::tie(s.cash, s.gamedate), std::tuple(0, year{9999} / December / 31));
}

TEST_F(NextWeekTest, WagesEqualToTheCashArePaidButOnePoundMoreStopsTheTurn) {
    fill(1, "Solo Singer");
    auto& s = game.state;
    s.cash = 1;
    quietweek();
    applicant();
    nextweek(game);
    EXPECT_EQ(s.cash, 0);

    s.cash = 2;
    s.illweeks[1] = 3;
    s.applicantsthisweek = 2;
    game.controls.command4 = false;
    game.controls.txtapplicant = "as before";
    random.give(3, 3);
    nextweek(game);
    EXPECT_EQ(dialogs.messages(), Lines{"You don't have enough money to pay the band and "
                                        "expenses! Therefore the band has quit to find a new "
                                        "manager."});
    EXPECT_EQ(std::tie(s.cash, s.illweeks[1], s.applicantsthisweek), std::tuple(2, 2, 0));
    EXPECT_EQ(s.gamedate, adddays(september1, 14));
    EXPECT_EQ(s.venueopen, (Ints<5>{0, 0, 0, 0, 0, 0})) << "no venue draw";
    EXPECT_FALSE(game.controls.command4) << "BOOK GIG is not re-enabled";
    EXPECT_EQ(game.controls.txtapplicant, "as before") << "no refresh";
    s.cash = -32768; // the bottom of the range does not wrap either
    random.give(1, 3);
    nextweek(game);
    EXPECT_EQ(s.cash, -32768);
}

TEST_F(NextWeekTest, UnhappyMembersComplainAndTheMiserableMayLeave) {
    fillband();
    auto& s = game.state;
    s.happiness = {0, 1, 0, 5, 0};
    dialogs.answers = {false};
    random.give(1, 5); // slot 2 leaves, and the shock takes 4 from everyone
    applicant();       // the departure refreshes the screen
    random.give(1, 5); // and so does slot 4, shaken already
    applicant();
    random.give({{1, 3}, {1, 3}});
    random.give(2, 2, 5);
    random.give(1, 0, 2); // the leavers' empty slots, with attitude 0, are looked at too
    random.give(2, 1000, 2);
    applicant();
    nextweek(game);
    const std::string shock = " has decided to leave the band! The rest of the band is in a "
                              "state of shock.";
    EXPECT_EQ(dialogs.messages(), (Lines{"Member 1 is unhappy.", "Member 2" + shock,
                                         "Member 3 is unhappy.", "Member 4" + shock}))
        << "a later slot sees the mood the departure left";
    EXPECT_EQ(std::tie(s.membername[2], s.membername[4], game.main.Selected),
              std::tuple("None", "None", 0));
}

} // namespace
} // namespace quorvane::testing
