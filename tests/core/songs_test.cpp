// Writing songs, and the record label's answer to a demo tape.
#include "roster/memberdetails.h"
#include "songs/demo.h"
#include "songs/songwriting.h"
#include "state/refresh.h"
#include "support/gamefixture.h"

namespace quorvane::testing {
namespace {

using SongTest = GameTest;

TEST_F(SongTest, WriteSongChecksInOrderAndATiredBandPaysInHappiness) {
    auto& s = band();
    const std::tuple<int, int, const char*, const char*> refusals[] = {
        {20, 3, "None", "You have reached the limit of 20 songs!"},
        {19, 3, "None", "The band is currently working on a song."},
        {19, 10, "None", "You need a full band to write a song!"}};
    for (const auto& [songcount, songtimer, drummer, message] : refusals) {
        std::tie(s.songcount, s.songtimer, s.membername[4]) =
            std::tuple(static_cast<int16>(songcount), static_cast<int16>(songtimer), drummer);
        writesong(game);
        EXPECT_EQ(std::tie(dialogs.messages().back(), s.songtimer), std::tie(message, songtimer));
    }
    s.membername[4] = "Dee";
    s.tiredness = 2;
    s.happiness = {0, 10, 0, 5, 1};
    dialogs.answers = {false, true};
    writesong(game); // No: nothing changes
    random.give(4, 4);
    writesong(game);
    EXPECT_EQ(std::tie(s.songtimer, s.happiness), std::tuple(5, Ints<4>{0, 9, 0, 4, 0}));
    EXPECT_EQ(dialogs.messages().back(), "The band has started writing a new song.");
}

TEST_F(SongTest, AFinishedSongIsRatedFromEachMembersSkills) {
    auto& s = band(2);
    s.talent = s.songwriting = {0, 1, 1, 1, 1};
    random.give(1, 1, 8); // four members at 1 and 1 give 8
    random.give({{3, 3}, {5, 20}, {14, 20}});
    makesong(game);
    EXPECT_EQ(std::tie(s.songname[3], s.songquality[3], s.songcount, s.lastsong, s.tiredness),
              std::tuple("Cold Wonder", 8, 3, 3, 4));
    EXPECT_EQ(game.controls.songlist, Lines{"Cold Wonder"});
    EXPECT_EQ(dialogs.messages(), Lines{"The band has finished writing a new track!"});
    s.talent = {0, 5, 0, 9, 2}; // talent then songwriting, slot by slot; a skill of 0 adds 1
    s.songwriting = {0, 3, 4, 1, 2};
    random.give({{5, 5}, {3, 3}, {1, 0}, {4, 4}, {9, 9}, {1, 1}, {1, 2}, {2, 2}});
    EXPECT_EQ(songquality(s, random), 26);
}

TEST_F(SongTest, TheLabelAnswersByQualityWithStrictBounds) {
    const std::tuple<int, int, const char*> rows[] = {
        // quality, popularity, answer ("" for none)
        {19, 5000, "The record label rejected the demo tape"},
        {20, 5000, ""},
        {21, 0, "The record label thought the song was ok but not what they are looking for."},
        {24, 0, "The record label thought the song was ok but not what they are looking for."},
        {25, 5000, ""},
        {26, 0, "The record label liked your song but felt it didn't meet their needs."},
        {29, 0, "The record label liked your song but felt it didn't meet their needs."},
        {30, 5000, ""},
        {31, 0,
         "The record label liked the song a lot, they would like to hear some more of your "
         "tracks."},
        {39, 0,
         "The record label liked the song a lot, they would like to hear some more of your "
         "tracks."},
        {40, 5000, ""},
        {41, 999,
         "The record label loved the track, but think the band as a whole still needs "
         "to develop."}};
    band(1);
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

TEST_F(SongTest, ADemoGoesOnceAWeekAndIsJudgedOnTheTrackPickedWhenTheWeekEnds) {
    auto& s = band(2);
    s.songquality[1] = 19;
    s.songquality[2] = 21;
    updatesonglist(game);
    senddemo(game);
    selectsong(game, 0);
    senddemo(game);
    selectsong(game, -1);
    senddemo(game); // sent already, whatever is picked now
    selectsong(game, 1);
    demoverdict(game);
    game.main.demo = true;
    s.songcount = s.lastsong = 1; // the picked track is gone: no answer
    demoverdict(game);
    EXPECT_FALSE(game.main.demo);
    EXPECT_EQ(
        dialogs.messages(),
        (Lines{"Please select a track from the song list.",
               "You have sent a demo to the record company", "You have already sent a Demo Tape.",
               "The record label thought the song was ok but not what they are looking "
               "for."}));
}

} // namespace
} // namespace quorvane::testing
