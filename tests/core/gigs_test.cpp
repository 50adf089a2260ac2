// Gigs: the band check, the venue and set list, the rating, the review and the magazine.
#include "gigs/booking.h"
#include "gigs/rating.h"
#include "gigs/review.h"
#include "support/gamefixture.h"

namespace quorvane::testing {
namespace {

// A fit band with middling talent and looks (no random terms) and six songs of quality
// 30 to 55, already on the set list in order; this week the first two venues are open.
class GigTest : public GameTest {
protected:
    GigTest() {
        fillband();
        auto& s = game.state;
        s.talent.fill(5);
        for (int slot = 1; slot <= setlength; ++slot) {
            s.songname[slot] = "Song " + std::to_string(slot);
            s.songquality[slot] = static_cast<int16>(25 + 5 * slot);
            s.setlist[slot] = static_cast<int16>(slot);
        }
        s.songcount = s.lastsong = setlength;
        s.venueopen = {0, vbtrue, vbtrue, vbfalse, vbfalse, vbfalse};
    }
    // BOOK GIG, then a venue that takes the band.
    void book(int venue) {
        checkgigband(game);
        choosevenue(game, venue - 1);
        ASSERT_TRUE(applyforgig(game));
    }
};

TEST_F(GigTest, TheRatingScalesWithMoodAndNeverGoesNegativeOrWraps) {
    const std::tuple<const char*, Ints<membercount>, int, int, int, int> rows[] = {
        // happiness, popularity, discord of each member, venue, rating
        {"worked example", {0, 10, 10, 10, 10}, 100, 0, 2, 103},
        {"two members at half mood", {0, 10, 10, 5, 5}, 100, 0, 2, 77},
        {"no happiness at all", {0, 0, 0, 0, 0}, 100, 0, 2, 0},
        {"a negative score", {0, 10, 10, 10, 10}, 0, 100, 1, 0},
        {"popularity at the top", {0, 10, 10, 10, 10}, 32767, 0, 5, 8333},
    };
    for (const auto& [name, happiness, popularity, discord, venue, rating] : rows) {
        auto& s = game.state;
        s.happiness = happiness;
        s.popularity = static_cast<int16>(popularity);
        s.discord.fill(static_cast<int16>(discord));
        EXPECT_EQ(rategig(s, venue, random), rating) << name;
    }
}

TEST_F(GigTest, WeakAndStrongTalentAndLooksDrawMemberByMember) {
    auto& s = game.state;
    std::tie(s.talent[1], s.looks[1], s.talent[2], s.looks[2]) = std::tuple(2, 9, 9, 1);
    // 0..4 each: talent 2 loses 4 + 2, looks 9 wins 0 + 1, talent 9 wins 2 + 1, looks 1 loses 1 + 1
    random.give({{5, 5}, {1, 5}, {3, 5}, {2, 5}});
    EXPECT_EQ(rategig(s, 2, random), (415 - 6 + 1 + 3 - 2) / 4);
}

TEST_F(GigTest, ARepeatedTrackCancelsOutUnlessItIsOutstanding) {
    auto& s = game.state;
    s.setlist[2] = 1; // the first song twice, the second not at all
    for (const auto& [quality, rating] : {std::pair{79, (190 + 160) / 4}, {80, (350 + 160) / 4}}) {
        s.songquality[1] = static_cast<int16>(quality);
        EXPECT_EQ(rategig(s, 2, random), rating) << quality;
    }
}

TEST_F(GigTest, TheBestSongIsTheFirstOfTheHighestQuality) {
    auto& s = game.state;
    s.songquality = {0, 30, 55, 40, 55, 50, 20};
    EXPECT_EQ(bestofset(s), 2);
    s.setlist = {0, 6, 4, 5, 2, 1, 3};
    EXPECT_EQ(bestofset(s), 4);
}

TEST_F(GigTest, TheBandMustBeCompleteAndFitSlotBySlot) {
    const std::tuple<int, int, const char*> rows[] = {
        // empty slot, ill slot (one week left), message
        {1, 2, "You must have a full band before performing!"},
        {3, 2, "Member 2 is ill and cannot perform, they are expected to be fit in 1 weeks."},
    };
    for (const auto& [empty, ill, message] : rows) {
        fillband();
        game.state.membername[empty] = none;
        game.state.illweeks[ill] = 1;
        checkgigband(game);
        EXPECT_EQ(dialogs.messages().back(), message);
        EXPECT_FALSE(game.gig);
    }
    fillband();
    game.state.illweeks[2] = 0;
    checkgigband(game);
    ASSERT_TRUE(game.gig);
    EXPECT_EQ(game.gig->Combo1.size(), 6u);
    EXPECT_EQ(game.gig->location, (std::array{true, true, false, false, false}));
    EXPECT_EQ(navigator.calls, (Lines{"show gig", "hide main"}));
}

TEST_F(GigTest, AVenueTakesABandAsPopularAsItAsksAndTheAnswerStands) {
    auto& s = game.state;
    s.popularity = 59;
    checkgigband(game);
    choosevenue(game, 3); // closed this week
    EXPECT_FALSE(game.gig->command1);
    choosevenue(game, 1);
    EXPECT_FALSE(applyforgig(game));
    EXPECT_FALSE(game.gig->picker || game.gig->command4);
    s.popularity = 60;
    EXPECT_TRUE(applyforgig(game));
    s.popularity = 2;
    choosevenue(game, 0);
    EXPECT_FALSE(applyforgig(game));
    EXPECT_TRUE(game.gig->picker && game.gig->command4) << "an acceptance stays in force";
    EXPECT_EQ(dialogs.messages(),
              (Lines{"Your request has been rejected.", "You have been allowed to play a gig!",
                     "Your request has been rejected."}));
}

TEST_F(GigTest, TheListFillsToSixThenRefusesBeforeLookingForDuplicates) {
    book(1);
    for (int slot = 1; slot <= setlength; ++slot)
        EXPECT_EQ(addgigtrack(game, 7 - slot), TrackAdded::added);
    EXPECT_EQ(game.gig->tracks[2], "3. Song 4");
    EXPECT_EQ(addgigtrack(game, 6), TrackAdded::full);
    cleargiglist(game);
    EXPECT_EQ(game.gig->tracks, decltype(game.gig->tracks){});
    EXPECT_EQ(addgigtrack(game, 6), TrackAdded::added);
    EXPECT_EQ(addgigtrack(game, 6), TrackAdded::duplicate);
    const Module1 before = game.state;
    playgig(game);
    EXPECT_EQ(game.state, before);
    EXPECT_EQ(dialogs.messages(),
              (Lines{"You have been allowed to play a gig!", "No more tracks can be added",
                     "This track is already on the list!", "You must have a full list of songs!"}));
}

TEST_F(GigTest, AGigPaysTheVenueRaisesPopularityAndEndsInTheMagazine) {
    const std::tuple<int, int, int, const char*> rows[] = {
        // venue, rating, fee, review
        {1, 89, 0,
         "The Testers played a poor gig last night although there were flashes of "
         "promise from certain individuals."},
        {2, 103, 50,
         "The Testers played a poor gig last night although there were flashes of "
         "promise from certain individuals."},
    };
    for (const auto& [venue, rating, fee, review] : rows) {
        auto& s = game.state;
        std::tie(s.popularity, s.cash) = std::tuple(100, 1000);
        navigator.calls.clear();
        book(venue);
        for (int slot = 1; slot <= setlength; ++slot)
            addgigtrack(game, slot);
        random.give({{1, 2}, {1, 5}});
        playgig(game);
        EXPECT_EQ(std::tie(s.popularity, s.cash, s.bestsong),
                  std::tuple(100 + rating, 1000 + fee, 6));
        EXPECT_EQ(s.setlist, (Ints<setlength>{}));
        EXPECT_EQ(s.gigreview, review);
        EXPECT_EQ(game.magazine->txtnews, std::string(review) +
                                              " The best song of the gig was Song 6 which "
                                              "went down a storm!");
        EXPECT_FALSE(game.gig || game.controls.command4);
        closemagazine(game);
        EXPECT_FALSE(game.magazine);
        EXPECT_EQ(navigator.calls, (Lines{"show gig", "hide main", "close gig", "show magazine",
                                          "close magazine", "show main"}));
    }
}

TEST_F(GigTest, ABadGigUpsetsOneMemberAndEveryRatingGetsItsTier) {
    const std::tuple<int, int, const char*> rows[] = {
        // rating, wording, review's opening
        {19, 1, "Band played a terrible set"},
        {49, 2, "The band Band were the target"},
        {50, 1, "Band played a poor gig"},
        {149, 2, "The band Band performed a less"},
        {150, 1, "Band played a pretty good gig"},
        {199, 2, "New band Band performed an average"},
        {200, 1, "Band played an excellent gig"},
        {201, 2, "New band Band performed a exceptional"},
    };
    for (const auto& [rating, wording, opening] : rows)
        EXPECT_TRUE(reviewtext("Band", rating, wording).starts_with(opening)) << rating;

    const auto review = [this](int16 rating) {
        game.gig.emplace();
        newspaper(game, rating);
        const std::string article = game.magazine->txtnews;
        closemagazine(game);
        return article;
    };
    game.state.bestsong = 2;
    random.give({{3, 4}, {1, 2}, {1, 5}});
    review(19);
    EXPECT_EQ(game.state.happiness, (Ints<membercount>{0, 10, 10, 9, 10}));
    random.give({{1, 2}, {1, 5}}); // from 20 up nobody is upset: no 1..4 draw
    review(20);
    EXPECT_EQ(dialogs.messages(),
              Lines{"Member 3 was extremely unhappy with the bands performance."});
    random.give({{2, 2}, {2, 5}});
    EXPECT_EQ(review(160),
              "New band The Testers performed an average gig last night, nothing special but the "
              "fans were happy. The best song of the gig was Song 2 which appeared to strike a "
              "rapport with the crowd");
}

} // namespace
} // namespace quorvane::testing
