// A member leaving: the popularity they take with them and how the band takes it.
#include "roster/departures.h"
#include "support/gamefixture.h"

namespace quorvane::testing {
namespace {

class DepartureTest : public GameTest {
protected:
    // The guitarist, with talent 3, charisma 5, looks 4 and songwriting 2, leaves.
    void leave(int popularity, int discord, Ints<4> happiness) {
        fillband();
        auto& s = game.state;
        s.talent[2] = 3;
        s.songwriting[2] = 2;
        s.looks[2] = 4;
        s.illweeks[2] = 2;
        s.popularity = static_cast<int16>(popularity);
        s.discord[2] = static_cast<int16>(discord);
        s.happiness = happiness;
        game.main.Selected = 2;
        applicant();
        delete_member(game);
    }
};

TEST_F(DepartureTest, TheLeaverTakesTwiceTheirQualitiesInPopularity) {
    leave(100, 0, {0, 10, 10, 10, 10});
    const auto& s = game.state;
    EXPECT_EQ(s.popularity, 100 - 2 * 14);
    EXPECT_EQ(std::tie(s.membername[2], s.membersex[2]), std::tuple("None", "0"));
    EXPECT_EQ(s.talent[2] + s.charisma[2] + s.attitude[2] + s.looks[2] + s.songwriting[2], 0);
    EXPECT_EQ(s.illweeks[2], 2) << "illness stays behind in the slot";
    EXPECT_EQ(game.controls.members,
              (std::vector<std::string>{"Member 1", "Member 3", "Member 4"}));
    EXPECT_EQ(s.applicantslot, 2);

    leave(20, 0, {0, 10, 10, 10, 10});
    EXPECT_EQ(game.state.popularity, 0) << "never below zero";
}

TEST_F(DepartureTest, TheBandMournsAFriendAndCheersAtATroublemaker) {
    leave(100, 0, {0, 3, 10, 5, 4});
    EXPECT_EQ(game.state.happiness, (Ints<4>{0, 0, 6, 1, 0}));
    leave(100, 7, {0, 6, 2, 6, 9});
    EXPECT_EQ(game.state.happiness, (Ints<4>{0, 10, 2, 10, 10})) << "the leaver's slot is kept";
    leave(100, 1, {0, 6, 2, 6, 10});
    EXPECT_EQ(game.state.happiness, (Ints<4>{0, 7, 2, 7, 10}));
}

} // namespace
} // namespace quorvane::testing
