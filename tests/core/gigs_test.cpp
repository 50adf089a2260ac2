// Gigs: the venues, the rating, the review and the magazine; the soak holds the band check
// and the set list to its six different tracks.
#include "support/gamefixture.h"

namespace quorvane::testing {

// The band with six songs of quality 30 to 55 on the set list in order; every venue open.
class GigTest : public GameTest {
protected:
    GigTest() {
        auto& s = band(setlength);
        s.setlist = {0, 1, 2, 3, 4, 5, 6};
        s.venueopen = {0, vbtrue, vbtrue, vbtrue, vbtrue, vbtrue};
    }
};

TEST_F(GigTest, TheRatingScalesWithMoodAndNeverGoesNegativeOrWraps) {
    const std::tuple<const char*, Ints<membercount>, int, int, int, int> rows[] = {
        // happiness, popularity, discord of each member, venue, rating
        {"worked example", {0, 10, 10, 10, 10}, 100, 0, 2, 103},
        {"two members at half mood", {0, 10, 10, 5, 5}, 100, 0, 2, 77},
        {"no happiness at all", {0, 0, 0, 0, 0}, 100, 0, 2, 0},
        {"a negative score", {0, 10, 10, 10, 10}, 0, 100, 1, 0},
        {"popularity at the top", {0, 10, 10, 10, 10}, 32767, 0, 5, 8333}};
    auto& s = game.state;
    for (const auto& [name, happiness, popularity, discord, venue, rating] : rows) {
        std::tie(s.happiness, s.popularity) = std::tuple(happiness, popularity);
        s.discord.fill(static_cast<int16>(discord));
        EXPECT_EQ(rategig(s, venue, random), rating) << name;
    }
    std::tie(s.discord, s.popularity) = std::tuple(Ints<4>{0, 1}, 101);
    s.talent = s.looks = {0, 3, 7, 3, 7}; // inside 3..7: nothing drawn
    EXPECT_EQ(rategig(s, 2, random), 103);
    std::tie(s.talent, s.looks) = std::tuple(Ints<4>{0, 2, 8, 5, 5}, Ints<4>{0, 8, 2, 5, 5});
    // Each 0..4: talent 2 loses 4 + 2, looks 8 wins 0 + 1, talent 8 wins 2 + 1, looks 2 loses 1 + 1
    random.give({{5, 5}, {1, 5}, {3, 5}, {2, 5}});
    EXPECT_EQ(rategig(s, 2, random), (415 - 6 + 1 + 3 - 2) / 4);
    s.talent = s.looks = {0, 5, 5, 5, 5};
    s.setlist[2] = 1; // the first song twice, the second not at all
    for (const auto& [quality, rating] : {std::pair{79, (190 + 160) / 4}, {80, (350 + 160) / 4}}) {
        s.songquality[1] = static_cast<int16>(quality);
        EXPECT_EQ(rategig(s, 2, random), rating) << quality;
    }
    s.songquality = {0, 30, 55, 40, 55, 50, 20};
    s.setlist = {0, 6, 4, 5, 2, 1, 3};
    EXPECT_EQ(bestofset(s), 4) << "the first of the best";
}

TEST_F(GigTest, AClosedVenueIsNotOfferedAndAnOpenOneTakesABandAsPopularAsItAsks) {
    auto& s = band(setlength);
    s.venueopen[4] = vbfalse;
    checkgigband(game);
    choosevenue(game, 3); // closed this week
    EXPECT_EQ(str(game.gig->location[3], game.gig->location[4], game.gig->command1,
                  game.screens.shown(Screen::main)),
              "0 1 0 0");
    for (const auto& [venue, asked] : {std::pair{1, 3}, {2, 60}, {3, 200}, {4, 260}, {5, 310}}) {
        s.popularity = static_cast<int16>(asked - 1);
        choosevenue(game, venue - 1);
        EXPECT_FALSE(venue != 4 && applyforgig(game)) << venue;
        s.popularity = static_cast<int16>(asked);
        EXPECT_EQ(venue != 4 && applyforgig(game), venue != 4) << venue;
    }
}

TEST_F(GigTest, AGigPaysAndRaisesPopularityAndABadOneUpsetsAMember) {
    auto& s = game.state;
    checkgigband(game);
    choosevenue(game, 1);
    applyforgig(game);
    for (int slot = 1; slot <= setlength; ++slot)
        addgigtrack(game, slot);
    random.give({{1, 2}, {1, 5}});
    playgig(game);
    const std::string review = "The Testers played a poor gig last night although there were "
                               "flashes of promise from certain individuals.";
    EXPECT_EQ(str(s.popularity, s.cash, s.bestsong, s.setlist[1], s.gigreview, game.gig.has_value(),
                  game.controls.command4),
              str(100 + 103, 1000 + 50, 6, 0, review, false, false));
    EXPECT_EQ(game.magazine->txtnews,
              review + " The best song of the gig was Song 6 which went down a storm!");
    const std::tuple<int, int, const char*> tiers[] = {
        // rating, wording, review's opening
        {19, 1, "Band played a terrible set"},
        {49, 2, "The band Band were the target"},
        {50, 1, "Band played a poor gig"},
        {149, 2, "The band Band performed a less"},
        {150, 1, "Band played a pretty good gig"},
        {199, 2, "New band Band performed an average"},
        {200, 1, "Band played an excellent gig"},
        {201, 2, "New band Band performed a exceptional"}};
    for (const auto& [rating, wording, opening] : tiers)
        EXPECT_TRUE(reviewtext("Band", rating, wording).starts_with(opening)) << rating;
    s.bestsong = 2;
    for (const int16 rating : {int16{19}, int16{20}}) { // the upset member is drawn first
        if (rating == 19) random.give(3, 4);
        random.give({{2, 2}, {2, 5}});
        game.gig.emplace();
        newspaper(game, rating);
        EXPECT_EQ(str(s.happiness[3], last().starts_with("Member 3 was extremely unhappy")), "9 1");
    }
    EXPECT_EQ(game.magazine->txtnews,
              "The band The Testers were the target of an angry crowd last night as their poor "
              "performance left many people asking why they even turned up! The best song of the "
              "gig was Song 2 which appeared to strike a rapport with the crowd");
}

} // namespace quorvane::testing
