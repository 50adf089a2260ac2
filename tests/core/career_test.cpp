// The way to the top: demo tapes, the record label's answer, the deal and the new band.
#include "career/recorddeal.h"
#include "roster/memberdetails.h"
#include "songs/demo.h"
#include "state/refresh.h"
#include "state/startup.h"
#include "support/gamefixture.h"

namespace quorvane::testing {
namespace {

class CareerTest : public GameTest {
protected:
    // The draws of a new band with every draw at its lowest (1) or at its highest (n).
    void newbanddraws(bool highest) {
        for (int slot = 1; slot <= membercount; ++slot)
            for (int n : {6, 2, 30, 30, 3, 10, 10, 10, 3})
                random.give(highest ? n : 1, n);
        for (int n : {40, 20, 20, 2000})
            random.give(highest ? n : 1, n);
    }
    void songs(std::initializer_list<int> qualities) {
        auto& s = game.state;
        for (int quality : qualities) {
            ++s.songcount;
            s.songname[s.songcount] = "Track " + std::to_string(s.songcount);
            s.songquality[s.songcount] = static_cast<int16>(quality);
        }
        s.lastsong = s.songcount;
        updatesonglist(game);
    }
};

TEST_F(CareerTest, TheLabelAnswersByQualityWithStrictBounds) {
    const std::tuple<int, int, const char*> rows[] = {
        // quality, popularity, answer ("" for none)
        {19, 5000, "The record label rejected the demo tape"},
        {20, 5000, ""},
        {21, 0, "The record label thought the song was ok but not what they are looking for."},
        {25, 5000, ""},
        {29, 0, "The record label liked your song but felt it didn't meet their needs."},
        {30, 5000, ""},
        {39, 0,
         "The record label liked the song a lot, they would like to hear some more of your "
         "tracks."},
        {40, 5000, ""},
        {41, 999,
         "The record label loved the track, but think the band as a whole still needs to "
         "develop."},
    };
    songs({0});
    selectsong(game, 0);
    for (const auto& [quality, popularity, answer] : rows) {
        auto& s = game.state;
        std::tie(s.songquality[1], s.popularity) = std::tuple(quality, popularity);
        dialogs.shown.clear();
        game.main.demo = true;
        demoverdict(game);
        EXPECT_EQ(dialogs.messages(), *answer ? Lines{answer} : Lines{}) << quality;
        EXPECT_FALSE(game.main.demo || game.recorddeal);
    }
    EXPECT_EQ(labelanswer(41, 1000).kind, LabelAnswer::signing);
}

TEST_F(CareerTest, TheLabelJudgesTheTrackPickedWhenTheWeekEnds) {
    songs({19, 21});
    senddemo(game);
    selectsong(game, 0);
    senddemo(game);
    senddemo(game);
    selectsong(game, 1);
    demoverdict(game);
    EXPECT_FALSE(game.main.demo);
    EXPECT_EQ(
        dialogs.messages(),
        (Lines{"Please select a track from the song list.",
               "You have sent a demo to the record company", "You have already sent a Demo Tape.",
               "The record label thought the song was ok but not what they are looking "
               "for."}));
}

TEST_F(CareerTest, TheManagerScoreIsTheRunningTotalOverAThousandRoundedDown) {
    auto& s = game.state;
    fillband();
    s.happiness = {0, 10, 9, 8, 7};
    s.discord = {0, 1, 0, 2, 0};
    std::tie(s.cash, s.popularity) = std::tuple(2400, 1150);
    EXPECT_EQ(foldscore(0, s), 3) << "the worked example: 3581";
    EXPECT_EQ(foldscore(2000, s), 5) << "a second deal carries the first score";
    s.happiness.fill(0);
    s.discord.fill(0);
    const std::pair<int, int> totals[] = {{999, 0}, {-500, -1}, {-1000, -1}, {-1001, -2}};
    for (const auto& [cash, score] : totals) {
        std::tie(s.cash, s.popularity) = std::tuple(static_cast<int16>(cash), 0);
        EXPECT_EQ(foldscore(0, s), score) << cash;
    }
}

TEST_F(CareerTest, TheMoodAndFameLinesChangeAtTheirBounds) {
    const std::pair<int, const char*> moods[] = {
        {9, " The band are pleased"},       {10, " The band are very happy"},
        {19, " The band are very happy"},   {20, " The band are very excited"},
        {29, " The band are very excited"}, {30, " The band are ecstatic"}};
    for (const auto& [happiness, line] : moods)
        EXPECT_TRUE(moodline(happiness).starts_with(line)) << happiness;
    const std::pair<int, const char*> fame[] = {{9, " they are virtually unknown"},
                                                {10, " they are quite well known"},
                                                {25, " they are quite well known"},
                                                {26, " they are well known,"}};
    for (const auto& [popularity, line] : fame)
        EXPECT_TRUE(fameline(popularity).starts_with(line)) << popularity;
}

TEST_F(CareerTest, ASigningScoresTheOldBandAndOffersANewOneWithinItsBounds) {
    auto& s = game.state;
    fillband();
    songs({50});
    s.happiness = {0, 10, 9, 8, 7};
    s.discord = {0, 1, 0, 2, 0};
    std::tie(s.cash, s.popularity, s.illweeks[2]) = std::tuple(2400, 1150, 3);
    const Module1 before = s;
    newbanddraws(false);
    EXPECT_EQ(signingtext(game),
              "Congratulations! Your band has been signed to a record label. The band are "
              "ecstatic and expressed their thanks for your excellent performance as manager!! "
              "Now the band is under the control of the all powerful record label, your "
              "services are no longer needed. Your total manager score is: 3. A new band called "
              "Wild Vibes is looking for a new manager, they are virtually unknown and need "
              "good guidance. Will you help this band?");
    EXPECT_EQ(std::tie(s.memberage[4], s.membersex[4], s.membername[4], s.talent[4], s.looks[4]),
              std::tuple(17, "Male", "Aaron Johnson", 1, 1));
    EXPECT_EQ(std::tie(s.popularity, s.cash, s.illweeks[2], s.happiness[4], s.discord[3]),
              std::tuple(1, 3000, 0, 10, 0));
    EXPECT_EQ(std::tie(s.songcount, s.gamedate, s.instrument),
              std::tie(before.songcount, before.gamedate, before.instrument));
    newbanddraws(true);
    newband(game);
    EXPECT_EQ(std::tie(s.memberage[1], s.membersex[1], s.membername[1], s.talent[1], s.charisma[1],
                       s.songwriting[1], s.popularity, s.cash),
              std::tuple(22, "Female", "Nicole Lee", 3, 10, 3, 40, 4999));
}

TEST_F(CareerTest, YesPlaysOnWithTheNewBandAndNoStartsTheNextGameAfresh) {
    fillband();
    songs({50, 50});
    game.state.popularity = 1000;
    game.state.lessons[2] = 5;
    selectsong(game, 1);
    senddemo(game);
    newbanddraws(false);
    demoverdict(game);
    ASSERT_TRUE(game.recorddeal);
    EXPECT_EQ(navigator.calls, (Lines{"hide main", "show recorddeal"}));
    acceptnewband(game);
    EXPECT_EQ(std::tie(game.state.songcount, game.state.lastsong, game.state.songname[1]),
              std::tuple(0, 0, ""));
    EXPECT_EQ(game.controls.members.size(), 4u);
    EXPECT_TRUE(game.controls.songlist.empty());
    senddemo(game);
    EXPECT_EQ(dialogs.messages().back(), "Please select a track from the song list.");

    navigator.calls.clear();
    newbanddraws(false);
    openrecorddeal(game);
    const auto score = game.state.managerscore;
    declinenewband(game);
    EXPECT_EQ(navigator.calls, (Lines{"show recorddeal", "close recorddeal", "show title"}));
    applicant();
    dialogs.typed = {"Fresh Start"};
    startnewgame(game);
    auto expected = Module1{};
    newgame(expected);
    expected.bandname = "Fresh Start";
    expected.applicantslot = 1;
    expected.popularity = 100;
    expected.managerscore = score;
    expected.lessons[2] = 5;
    game.state.listslot = expected.listslot = {};
    EXPECT_EQ(game.state, expected);
}

} // namespace
} // namespace quorvane::testing
