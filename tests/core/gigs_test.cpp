// Gigs: the venues, the rating, the review and the magazine; the soak holds the band check
// and the set list to its six different tracks.
#include "support/gamefixture.h"

namespace quorvane::testing {

TEST_F(GameTest, TheRatingScalesWithMoodAndNeverGoesNegativeOrWraps) {
    // Six songs of quality 30 to 55, 255 in all, at popularity 100.
    auto& s = band(setlength);
    s.setlist = {0, 1, 2, 3, 4, 5, 6};
    s.talent = {0, 2, 8, 5, 5};
    s.looks = {0, 8, 2, 5, 5};
    // Each 0..4: talent 2 loses 4 + 2, looks 8 wins 0 + 1, talent 8 wins 2 + 1, looks 2 loses
    // 1 + 1.
    random.give({{5, 5}, {1, 5}, {3, 5}, {2, 5}});
    EXPECT_EQ(rategig(s, 2, random), 102) << "(255 + 100 + 60 - 4) / 4";
    s.talent = {0, 3, 7, 3, 7}; // inside 3..7: nothing drawn
    s.looks = {0, 7, 3, 7, 3};
    s.happiness = {0, 10, 10, 5, 5};
    EXPECT_EQ(rategig(s, 2, random), 77) << "(255 + 100 + 60) * 30 / 40 / 4";
    s.happiness = {0, 10, 10, 10, 10};
    s.popularity = 0;
    s.discord.fill(100);
    EXPECT_EQ(rategig(s, 1, random), 0) << "a negative score";
    s.discord.fill(0);
    s.popularity = 32767;
    EXPECT_EQ(rategig(s, 5, random), 8333) << "(255 + 32767 + 310) / 4";
    s.songquality = {0, 30, 55, 40, 55, 50, 20};
    s.setlist = {0, 6, 4, 5, 2, 1, 3};
    EXPECT_EQ(bestofset(s), 4) << "the first of the best";
}

TEST_F(GameTest, EachVenueTakesABandAsPopularAsItAsksAndPaysItsFee) {
    const int16 asked[] = {0, 3, 60, 200, 260, 310};
    const int16 fee[] = {0, 0, 50, 100, 150, 250};
    auto& s = band(setlength);
    s.venueopen = {0, vbtrue, vbtrue, vbtrue, vbtrue, vbtrue};
    for (int venue = 1; venue <= venuecount; ++venue) {
        opengig(game);
        choosevenue(game, venue - 1);
        s.popularity = static_cast<int16>(asked[venue] - 1);
        EXPECT_FALSE(applyforgig(game)) << venue;
        s.popularity = asked[venue];
        EXPECT_TRUE(applyforgig(game)) << venue;
        for (int slot = 1; slot < setlength; ++slot)
            addgigtrack(game, slot);
        playgig(game);
        EXPECT_EQ(last(), "You must have a full list of songs!") << venue;
        addgigtrack(game, setlength);
        s.cash = 0;
        random.give({{1, 2}, {1, 5}});
        playgig(game);
        EXPECT_EQ(s.cash, fee[venue]) << venue;
    }
    EXPECT_EQ(s.popularity, 310 + 218) << "(255 + 310 + 310) / 4 at the last";
    EXPECT_EQ(s.bestsong, 6);
    EXPECT_EQ(s.setlist[setlength], 0) << "the set is cleared for the next gig";
}

TEST_F(GameTest, TheReviewFollowsTheRatingAndABadGigUpsetsAMember) {
    EXPECT_TRUE(reviewtext("Band", 49, 1).starts_with("Band played a terrible set"));
    EXPECT_TRUE(reviewtext("Band", 50, 1).starts_with("Band played a poor gig"));
    EXPECT_TRUE(reviewtext("Band", 149, 2).starts_with("The band Band performed a less"));
    EXPECT_TRUE(reviewtext("Band", 150, 1).starts_with("Band played a pretty good gig"));
    EXPECT_TRUE(reviewtext("Band", 199, 2).starts_with("New band Band performed an average"));
    EXPECT_TRUE(reviewtext("Band", 200, 1).starts_with("Band played an excellent gig"));
    EXPECT_TRUE(reviewtext("Band", 201, 2).starts_with("New band Band performed a exceptional"));
    auto& s = band(2);
    random.give({{3, 4}, {2, 2}, {2, 5}}); // the upset member is drawn first
    s.bestsong = 2;
    newspaper(game, 19);
    EXPECT_EQ(s.happiness[3], 9);
    EXPECT_EQ(last(), "Member 3 was extremely unhappy with the bands performance.");
    random.give({{2, 2}, {2, 5}});
    newspaper(game, 20);
    EXPECT_EQ(dialogs.shown.size(), 1u) << "only the message of the gig rated 19";
    EXPECT_EQ(game.magazine->txtnews,
              "The band The Testers were the target of an angry crowd last night as their poor "
              "performance left many people asking why they even turned up! The best song of the "
              "gig was Song 2 which appeared to strike a rapport with the crowd");
}

} // namespace quorvane::testing
