// Writing songs, and the record label's answer to a demo tape.
#include "roster/memberdetails.h"
#include "songs/demo.h"
#include "songs/songwriting.h"
#include "support/gamefixture.h"

namespace quorvane::testing {
namespace {

TEST_F(GameTest, WriteSongChecksInOrderAndATiredBandPaysInHappiness) {
    auto& s = band();
    const std::tuple<int, int, const char*, const char*> refusals[] = {
        {20, 3, "None", "You have reached the limit of 20 songs!"},
        {19, 3, "None", "The band is currently working on a song."},
        {19, 10, "None", "You need a full band to write a song!"}};
    for (const auto& [songcount, songtimer, drummer, message] : refusals) {
        std::tie(s.songcount, s.songtimer, s.membername[4]) =
            std::tuple(static_cast<int16>(songcount), static_cast<int16>(songtimer), drummer);
        writesong(game);
        EXPECT_EQ(std::tuple(last(), s.songtimer), std::tuple(message, songtimer));
    }
    std::tie(s.membername[4], s.tiredness, s.happiness) =
        std::tuple("Dee", 2, Ints<4>{0, 10, 0, 5, 1});
    dialogs.answers = {false, true};
    writesong(game); // No: nothing changes
    EXPECT_EQ(dialogs.shown.back().kind, Shown::careful);
    random.give(4, 4);
    writesong(game);
    EXPECT_EQ(std::tuple(s.songtimer, s.happiness, last()),
              std::tuple(5, Ints<4>{0, 9, 0, 4, 0}, "The band has started writing a new song."));
}

TEST_F(GameTest, AFinishedSongIsRatedFromEachMembersSkills) {
    auto& s = band(2);
    s.talent = {0, 5, 0, 9, 2}; // talent then songwriting, slot by slot; a skill of 0 adds 1
    s.songwriting = {0, 3, 4, 1, 2};
    random.give({{5, 5}, {3, 3}, {1, 0}, {4, 4}, {9, 9}, {1, 1}, {1, 2}, {2, 2}});
    random.give({{3, 3}, {5, 20}, {14, 20}}); // 4 weeks' rest, "Cold Wonder"
    makesong(game);
    EXPECT_EQ(std::tie(s.songname[3], s.songquality[3], s.songcount, s.lastsong, s.tiredness),
              std::tuple("Cold Wonder", 26, 3, 3, 4));
    EXPECT_EQ(std::tuple(game.controls.songlist, last()),
              std::tuple(Lines{"Cold Wonder"}, "The band has finished writing a new track!"));
}

TEST_F(GameTest, TheLabelAnswersByQualityWithStrictBoundsOnTheTrackPickedAtTheEnd) {
    const std::tuple<int, int, const char*> rows[] = {
        // quality, popularity, answer ("" for none)
        {19, 5000, "rejected the demo tape"}, {20, 5000, ""}, {21, 0, "thought the song was ok"},
        {24, 0, "thought the song was ok"},   {25, 5000, ""}, {26, 0, "liked your song but"},
        {29, 0, "liked your song but"},       {30, 5000, ""}, {31, 0, "liked the song a lot"},
        {39, 0, "liked the song a lot"},      {40, 5000, ""}, {41, 999, "loved the track, but"}};
    auto& s = band(2);
    selectsong(game, 1);
    for (const auto& [quality, popularity, answer] : rows) {
        std::tie(s.songquality[2], s.popularity) = std::tuple(quality, popularity);
        dialogs.shown.clear();
        game.main.demo = true;
        demoverdict(game);
        EXPECT_NE(last().find(answer), std::string::npos) << quality;
        EXPECT_EQ(std::tuple(last().empty(), game.main.demo, game.recorddeal.has_value()),
                  std::tuple(!*answer, false, false));
    }
    EXPECT_EQ(labelanswer(41, 1000).kind, LabelAnswer::signing);
    std::tie(game.main.demo, s.songcount, s.lastsong) = std::tuple(true, 1, 1);
    dialogs.shown.clear(); // the picked track is gone: no answer
    demoverdict(game);
    EXPECT_EQ(std::tuple(last(), game.main.demo), std::tuple("", false));
}

TEST_F(GameTest, ADemoGoesWithAPickedTrackOnceAWeek) {
    band(2);
    senddemo(game);
    selectsong(game, 0);
    senddemo(game);
    selectsong(game, -1);
    senddemo(game); // sent already, whatever is picked now
    EXPECT_EQ(dialogs.messages(), (Lines{"Please select a track from the song list.",
                                         "You have sent a demo to the record company",
                                         "You have already sent a Demo Tape."}));
}

} // namespace
} // namespace quorvane::testing
