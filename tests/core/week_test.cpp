// The weekly turn in its order, the week's random events and what promotion gains.
#include "support/gamefixture.h"

namespace quorvane::testing {

using namespace std::chrono;

TEST_F(GameTest, AFullBandWeekRunsEveryStepInOrder) {
    auto& s = band();
    std::tie(s.happiness[3], s.illweeks, s.lessons[2]) = std::tuple(1, Ints<4>{0, 2, 0, 1}, 6);
    std::tie(s.promotion, s.cash) = std::tuple(4, 300); // High, which £300 cannot pay for
    std::tie(s.applicantsthisweek, s.invitation, s.songtimer) = std::tuple(4, 2, 1);
    std::tie(game.main.demo, game.main.selectedsong, s.happiness[4]) = std::tuple(true, 1, 0);
    std::tie(game.controls.interview, game.controls.command4) = std::tuple(true, false);
    dialogs.answers = {true};
    // Member 2 practises a step and gains a point of talent before the song is rated; member 4,
    // at happiness 0, stays.
    random.give({{2, 4}, {1, 2}, {2, 5}});
    random.give({{1, 5}, {1, 2}, {1, 6}, {1, 2}, {1, 5}, {1, 2}, {1, 5}, {1, 2}});
    random.give({{2, 3}, {1, 20}, {2, 20}});               // 3 weeks' rest, "Wild Velvet"
    random.give({{1, 3}, {2, 3}, {3, 3}, {3, 3}});         // wages of 9
    random.give({{1, 2}, {2, 2}, {2, 2}, {1, 2}, {1, 2}}); // venues 1, 4 and 5 open
    random.give(2, 1000, 4);
    random.give({{1, 100}, {3, 5}}); // a good piece in the paper, worth 7
    nextweek(game);
    EXPECT_EQ(dialogs.shown[0], (Shown{Shown::question, "Do you want the band to practise?"}));
    EXPECT_EQ(dialogs.messages(),
              (Lines{"Thanks to practising, Member 2 has become more talented!",
                     "You cannot afford any promotion this week", "Member 3 is unhappy.",
                     "The band has finished writing a new track!",
                     "The record label rejected the demo tape",
                     "A newspaper columnist wrote a very good piece about the band!"}));
    EXPECT_EQ(str(s.talent[2], s.lessons[2], s.tiredness, s.illweeks[1], s.illweeks[3], s.songtimer,
                  s.songname[1], s.songquality[1], s.invitation, s.applicantsthisweek, s.popularity,
                  s.cash, game.main.demo),
              "6 0 2 1 0 10 Wild Velvet 8 0 0 107 291 0");
    EXPECT_EQ(std::tie(s.venueopen, s.gamedate),
              std::tuple(Ints<5>{0, -1, 0, 0, -1, -1}, year{2001} / September / 8));
    EXPECT_EQ(str(game.controls.interview, game.controls.command4, game.controls.txtapplicant),
              "0 1 No Applicants");
}

TEST_F(GameTest, OnlyMembersArePaidAndWagesEqualToTheCashArePaid) {
    auto& s = band();
    std::tie(s.membername[1], s.membername[2], s.membername[3]) = std::tuple(none, none, none);
    std::tie(s.cash, s.illweeks[4], s.gamedate) = std::tuple(1, 3, year{9999} / December / 28);
    random.give({{1, 3}, {2, 2}, {2, 2}, {2, 2}, {2, 2}, {2, 2}, {2, 1000}}); // wages £1, no venues
    applicant();
    nextweek(game); // wages equal to the cash are paid; no practice question without a band
    EXPECT_EQ(std::tuple(s.cash, s.gamedate, dialogs.shown.size()),
              std::tuple(0, year{9999} / December / 31, 0u));
}

TEST_F(GameTest, EachIncidentHasItsCost) {
    const std::tuple<int, const char*, int, int> rows[] = {
        // incident, message, then popularity from 55 (kept at 0 or more) and discord
        {1, " was arrested for drink driving this week.", 5, 0},
        {2, " has been heard critiscising another member of the band!", 55, 1},
        {3, " got into a fight with a member of the press last night.", 52, 1},
        {4, " refused to turn up for a band practise the other night.", 55, 1},
        {5, " has been spreading viscious rumours about the band.", 0, 1}};
    auto& s = band();
    for (const auto& [incident, text, popularity, discord] : rows) {
        // Attitude 2 misbehaves on a 1 and 4 draws nothing; no press for a band with a vacancy.
        std::tie(s.attitude, s.discord[4], s.popularity, s.membername[2]) =
            std::tuple(Ints<4>{0, 4, 4, 4, 2}, 0, 55, none);
        random.give({{2, 2}, {incident, 5}});
        if (incident == 3) random.give(5, 5); // the fight costs 1 - 4
        random.give(2, 1000, 3);
        events(game);
        EXPECT_EQ(str(last(), s.popularity, s.discord[4]),
                  str("Member 4" + std::string(text), popularity, discord));
    }
}

TEST_F(GameTest, BadPressCostsFiveToNinePoints) {
    auto& s = band(); // good press in the full week; the soak holds who is famous enough to call
    random.give(2, 1000, 4);
    random.give({{2, 100}, {5, 5}}); // the worst of it
    events(game);
    EXPECT_EQ(s.popularity, 91);
}

TEST_F(GameTest, PromotionAddsHalfAPointAPointAndAHalfOrTwo) {
    auto& s = game.state; // rounded down from 100; the soak holds the prices and the cash bound
    for (const auto& [option, popularity] : {std::pair{1, 100}, {2, 101}, {3, 102}}) {
        std::tie(s.cash, s.popularity) = std::tuple(1000, 100);
        choosepromotion(game, option);
        chargepromotion(game);
        EXPECT_EQ(s.popularity, popularity) << option;
    }
}

} // namespace quorvane::testing
