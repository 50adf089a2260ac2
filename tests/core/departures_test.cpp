// A member leaving: the popularity they take with them and how the band takes it.
#include "roster/departures.h"
#include "support/gamefixture.h"

namespace quorvane::testing {
namespace {

class DepartureTest : public GameTest {
protected:
    void SetUp() override {
        fillband();
        auto& s = game.state;
        s.talent[2] = 3;
        s.charisma[2] = 5;
        s.looks[2] = 4;
        s.songwriting[2] = 2;
        s.attitude[2] = 9;
        s.memberage[2] = 21;
        s.illweeks[2] = 2;
        s.lessons[2] = 5;
        game.main.Selected = 2;
        for (int i = 0; i < 9; ++i)
            random.give(1, 10); // the refresh offers slot 2
    }
};

TEST_F(DepartureTest, TheLeaverTakesTwiceTheirQualitiesInPopularity) {
    game.state.popularity = 100;
    delete_member(game);
    EXPECT_EQ(game.state.popularity, 100 - 2 * 14);

    auto& s = game.state;
    EXPECT_EQ(s.membername[2], "None");
    EXPECT_EQ(s.membersex[2], "0");
    EXPECT_EQ(s.talent[2] + s.charisma[2] + s.attitude[2] + s.looks[2] + s.songwriting[2], 0);
    EXPECT_EQ(s.memberage[2], 21) << "age, illness and progress stay behind in the slot";
    EXPECT_EQ(s.illweeks[2], 2);
    EXPECT_EQ(s.lessons[2], 5);
    EXPECT_EQ(game.controls.members,
              (std::vector<std::string>{"Member 1", "Member 3", "Member 4"}));
    EXPECT_EQ(s.applicantslot, 2);
    EXPECT_EQ(game.main.Selected, 2);
}

TEST_F(DepartureTest, PopularityStopsAtZero) {
    game.state.popularity = 20;
    delete_member(game);
    EXPECT_EQ(game.state.popularity, 0);
}

TEST_F(DepartureTest, AWellLikedLeaverShocksEveryone) {
    game.state.happiness = {0, 3, 10, 5, 4};
    delete_member(game);
    EXPECT_EQ(game.state.happiness, (Ints<4>{0, 0, 6, 1, 0}));
}

TEST_F(DepartureTest, ADislikedLeaverCheersTheOthersUpToTen) {
    for (auto [discord, expected] : {std::pair{7, Ints<4>{0, 10, 10, 10, 10}},
                                     {1, Ints<4>{0, 7, 10, 7, 10}}}) { // the leaver keeps 10
        game.state.happiness = {0, 6, 10, 6, 9};
        game.state.discord[2] = static_cast<int16>(discord);
        game.state.membername[2] = "Back Again";
        game.main.Selected = 2;
        if (discord == 1)
            for (int i = 0; i < 9; ++i)
                random.give(1, 10);
        delete_member(game);
        EXPECT_EQ(game.state.happiness, expected) << "discord " << discord;
    }
}

} // namespace
} // namespace quorvane::testing
