// Writing songs, and the record label's answer to a demo tape.
#include "support/gamefixture.h"

namespace quorvane::testing {
namespace {

TEST_F(GameTest, WriteSongChecksInOrderAndATiredBandPaysInHappiness) {
    auto& s = band();
    const std::tuple<int, int, const char*, const char*> refusals[] = {
        {20, 3, "None", "limit of 20 songs"},
        {19, 3, "None", "currently working"},
        {19, 10, "None", "full band"}};
    for (const auto& [songcount, songtimer, drummer, message] : refusals) {
        std::tie(s.songcount, s.songtimer, s.membername[4]) =
            std::tuple(songcount, songtimer, drummer);
        writesong(game);
        EXPECT_NE(last().find(message), std::string::npos);
        EXPECT_EQ(s.songtimer, songtimer);
    }
    std::tie(s.membername[4], s.tiredness, s.happiness) =
        std::tuple("Dee", 2, Ints<4>{0, 10, 0, 5, 1});
    dialogs.answers = {false, true};
    writesong(game); // No: nothing changes
    EXPECT_EQ(dialogs.shown.back().kind, Shown::careful);
    random.give(4, 4);
    writesong(game);
    EXPECT_EQ(str(s.songtimer, s.happiness[1], s.happiness[2], s.happiness[3], s.happiness[4]),
              "5 9 0 4 0");
}

TEST_F(GameTest, AFinishedSongIsRatedFromEachMembersSkills) {
    auto& s = band(2);
    s.talent = {0, 5, 0, 9, 2}; // talent then songwriting, slot by slot; a skill of 0 adds 1
    s.songwriting = {0, 3, 4, 1, 2};
    random.give({{5, 5}, {3, 3}, {1, 0}, {4, 4}, {9, 9}, {1, 1}, {1, 2}, {2, 2}});
    random.give({{3, 3}, {5, 20}, {14, 20}}); // 4 weeks' rest, "Cold Wonder"
    makesong(game);
    EXPECT_EQ(str(s.songname[3], s.songquality[3], s.songcount, s.lastsong, s.tiredness,
                  game.controls.songlist.size()),
              "Cold Wonder 26 3 3 4 1");
}

TEST_F(GameTest, TheLabelJudgesTheTrackPickedWhenTheWeekEndsOnceAWeek) {
    auto& s = band(2);
    senddemo(game);
    selectsong(game, 1);
    senddemo(game);
    selectsong(game, -1);
    senddemo(game); // sent already, whatever is picked now
    EXPECT_EQ(dialogs.messages(), (Lines{"Please select a track from the song list.",
                                         "You have sent a demo to the record company",
                                         "You have already sent a Demo Tape."}));
    selectsong(game, 1); // the soak holds the lower bounds of the answers against play
    for (const auto& [quality, popularity, answer] :
         {std::tuple{40, 5000, ""}, {41, 999, "loved the track"}}) {
        std::tie(s.songquality[2], s.popularity, game.main.demo) =
            std::tuple(quality, popularity, true);
        dialogs.shown.clear();
        demoverdict(game);
        EXPECT_EQ(str(last().find(answer) == std::string::npos, last().empty(), game.main.demo),
                  str(false, !*answer, false));
    }
    EXPECT_EQ(labelanswer(41, 1000).kind, LabelAnswer::signing);
    std::tie(game.main.demo, s.songcount, s.lastsong) = std::tuple(true, 1, 1);
    dialogs.shown.clear(); // the picked track is gone: no answer
    demoverdict(game);
    EXPECT_EQ(str(last(), game.main.demo), " 0");
}

} // namespace
} // namespace quorvane::testing
