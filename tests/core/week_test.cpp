// The weekly turn in its order, the week's random events and what promotion costs and gains.
#include "support/gamefixture.h"

namespace quorvane::testing {

using namespace std::chrono;

TEST_F(GameTest, AFullBandWeekRunsEveryStepInOrder) {
    auto& s = band();
    s.illweeks[1] = 1;
    s.lessons[2] = 6;
    s.promotion = 4; // High, which £300 cannot pay for
    s.cash = 300;
    s.applicantsthisweek = 4;
    s.songtimer = 1;
    game.main.demo = true;
    game.main.selectedsong = 1;
    dialogs.answers = {true};
    // Member 2 practises a step and gains a point of talent before the song is rated.
    random.give({{2, 4}, {1, 2}});
    random.give({{1, 5}, {1, 2}, {1, 6}, {1, 2}, {1, 5}, {1, 2}, {1, 5}, {1, 2}});
    random.give({{2, 3}, {1, 20}, {2, 20}});               // 3 weeks' rest, "Wild Velvet"
    random.give({{1, 3}, {2, 3}, {3, 3}, {3, 3}});         // wages of 9
    random.give({{1, 2}, {2, 2}, {2, 2}, {1, 2}, {1, 2}}); // venues 1, 4 and 5 open
    // Member 2 falls ill for the least time; a good piece in the paper is worth 7.
    random.give({{2, 1000}, {1, 1000}, {1, 10}, {1, 100}, {3, 5}});
    nextweek(game);
    EXPECT_EQ(dialogs.messages(),
              (Lines{"Thanks to practising, Member 2 has become more talented!",
                     "You cannot afford any promotion this week",
                     "The band has finished writing a new track!",
                     "The record label rejected the demo tape",
                     "Member 2 has fallen ill and will be out for about 1 weeks.",
                     "A newspaper columnist wrote a very good piece about the band!"}));
    EXPECT_EQ(s.tiredness, 2);
    EXPECT_EQ(s.illweeks[1], 0);
    EXPECT_EQ(s.songname[1], "Wild Velvet");
    EXPECT_EQ(s.applicantsthisweek, 0);
    EXPECT_EQ(s.popularity, 107);
    EXPECT_EQ(s.cash, 291);
    EXPECT_EQ(s.venueopen, (Ints<5>{0, -1, 0, 0, -1, -1}));
    EXPECT_EQ(s.gamedate, year{2001} / September / 8);
}

TEST_F(GameTest, AWeekWithAVacancyPaysOnlyMembersAndALeaverShocksTheLaterOnes) {
    auto& s = band();
    s.membername[4] = none; // so nobody is asked to practise
    s.happiness[1] = 0;
    s.happiness[2] = 4; // 0 after the shock: may leave, and stays
    s.happiness[3] = 5; // 1 after the shock: unhappy
    s.cash = 2;
    s.invitation = radio;                    // last week's, unused
    s.gamedate = year{9999} / December / 28; // the calendar stops at its last day
    random.give(1, 5);
    applicant(); // for the leaver's slot
    // Member 2 stays; wages of £2, all the cash; no venue open; the leaver's slot, at attitude
    // 0, never misbehaves; nobody falls ill.
    random.give({{2, 5}, {1, 3}, {1, 3}, {2, 2}, {2, 2}, {2, 2}, {2, 2}, {2, 2}, {1, 0}});
    random.give(2, 1000, 2);
    applicant();
    nextweek(game);
    EXPECT_EQ(dialogs.messages(), (Lines{"Member 1 has decided to leave the band! The rest of the "
                                         "band is in a state of shock.",
                                         "Member 3 is unhappy."}));
    EXPECT_EQ(s.cash, 0);
    EXPECT_EQ(s.invitation, 0);
    EXPECT_EQ(s.gamedate, year{9999} / December / 31);
}

TEST_F(GameTest, EachIncidentHasItsCost) {
    struct Incident {
        const char* text;
        int draw, popularity, discord; // popularity from 55, kept at 0 or more
    };
    const Incident rows[] = {
        {"Member 4 was arrested for drink driving this week.", 1, 5, 0},
        {"Member 4 has been heard critiscising another member of the band!", 2, 55, 1},
        {"Member 4 got into a fight with a member of the press last night.", 3, 52, 1},
        {"Member 4 refused to turn up for a band practise the other night.", 4, 55, 1},
        {"Member 4 has been spreading viscious rumours about the band.", 5, 0, 1}};
    auto& s = band();
    s.attitude[3] = 4; // draws nothing
    s.attitude[4] = 2; // misbehaves on a 1 in 2
    for (const Incident& row : rows) {
        SCOPED_TRACE(row.text);
        s.popularity = 55;
        s.discord[4] = 0;
        random.give({{2, 2}, {row.draw, 5}});
        if (row.draw == 3) random.give(5, 5); // the fight costs 1 - 4
        random.give({{2, 1000}, {2, 1000}, {2, 1000}, {2, 1000}, {4, 100}});
        events(game);
        EXPECT_EQ(last(), row.text);
        EXPECT_EQ(s.popularity, row.popularity);
        EXPECT_EQ(s.discord[4], row.discord);
    }
}

TEST_F(GameTest, AnIllnessLastsUpToTenWeeksCharityGainsTwoToFourAndBadPressUpToNine) {
    auto& s = band();
    random.give({{1, 1000}, {10, 10}, {4, 100}});
    events(game);
    EXPECT_EQ(last(), "Member 1 has fallen ill and will be out for about 10 weeks.");
    EXPECT_EQ(s.illweeks[1], 10);
    random.give({{2, 1000}, {2, 1000}, {2, 1000}, {2, 1000}, {3, 100}, {1, 3}});
    events(game);
    EXPECT_EQ(last(), "A few members of the band were invited to do a charity event this week.");
    EXPECT_EQ(s.popularity, 102);
    random.give({{2, 1000}, {2, 1000}, {2, 1000}, {2, 1000}, {3, 100}, {3, 3}});
    events(game);
    EXPECT_EQ(s.popularity, 106);
    random.give({{2, 1000}, {2, 1000}, {2, 1000}, {2, 1000}, {2, 100}, {5, 5}});
    events(game);
    EXPECT_EQ(s.popularity, 97);
}

TEST_F(GameTest, PromotionIsPaidAtItsPriceAndGainsHalfAPointAPointAndAHalfOrTwo) {
    struct Option {
        const char* name;
        int option, cash, left, popularity; // popularity from 100, rounded down
    };
    const Option rows[] = {{"Small, with exactly its price", 1, 100, 0, 100},
                           {"Small, a pound short of its price", 1, 99, 99, 100},
                           {"Medium, with exactly its price", 2, 250, 0, 101},
                           {"Medium, a pound short of its price", 2, 249, 249, 100},
                           {"High, with exactly its price", 3, 400, 0, 102},
                           {"High, a pound short of its price", 3, 399, 399, 100}};
    auto& s = game.state;
    for (const Option& row : rows) {
        SCOPED_TRACE(row.name);
        s.cash = static_cast<int16>(row.cash);
        s.popularity = 100;
        choosepromotion(game, row.option);
        chargepromotion(game);
        EXPECT_EQ(s.cash, row.left);
        EXPECT_EQ(s.popularity, row.popularity);
    }
}

} // namespace quorvane::testing
