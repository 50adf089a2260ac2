// Writing songs: WRITE SONG's checks, the tired band, and the finished track.
#include "songs/songwriting.h"
#include "support/gamefixture.h"

namespace quorvane::testing {
namespace {

using SongTest = GameTest;

TEST_F(SongTest, WriteSongRefusesInItsOrder) {
    struct Row {
        int songcount, songtimer;
        bool full;
        const char* message;
    };
    const Row rows[] = {{20, 3, false, "You have reached the limit of 20 songs!"},
                        {19, 3, false, "The band is currently working on a song."},
                        {19, 10, false, "You need a full band to write a song!"}};
    fill(1, "Vic");
    for (const auto& [songcount, songtimer, full, message] : rows) {
        auto& s = game.state;
        s.songcount = static_cast<int16>(songcount);
        s.songtimer = static_cast<int16>(songtimer);
        s.membername[4] = full ? "Dee" : "None";
        writesong(game);
        EXPECT_EQ(dialogs.messages().back(), message);
        EXPECT_EQ(s.songtimer, songtimer);
    }
}

TEST_F(SongTest, ATiredBandWritesOnlyWhenMadeToAndLosesHappiness) {
    fillband();
    auto& s = game.state;
    s.tiredness = 2;
    s.happiness = {0, 10, 0, 5, 1};
    dialogs.answers = {false, true};
    writesong(game);
    EXPECT_EQ(std::tie(s.songtimer, s.happiness[1]), std::tuple(10, 10));
    random.give(4, 4);
    writesong(game);
    EXPECT_EQ(s.happiness, (Ints<4>{0, 9, 0, 4, 0}));
    EXPECT_EQ(s.songtimer, 5);
    EXPECT_EQ(dialogs.shown.front(),
              (Shown{Shown::question, "The band wants a rest before starting on a new song. "
                                      "Make them record anyway?"}));
    EXPECT_EQ(dialogs.messages(), Lines{"The band has started writing a new song."});
}

TEST_F(SongTest, AFinishedSongIsRatedFromTheSkillsOfEachMember) {
    fillband();
    auto& s = game.state;
    s.talent = s.songwriting = {0, 1, 1, 1, 1};
    random.give(1, 1, 8); // four members at 1 and 1 give 8
    random.give(3, 3);
    random.give(5, 20);
    random.give(14, 20);
    s.songcount = s.lastsong = 2;
    makesong(game);
    EXPECT_EQ(std::tie(s.songname[3], s.songquality[3], s.songcount, s.lastsong, s.tiredness),
              std::tuple("Cold Wonder", 8, 3, 3, 4));
    EXPECT_EQ(game.controls.songlist, Lines{"Cold Wonder"});
    EXPECT_EQ(dialogs.messages(), Lines{"The band has finished writing a new track!"});

    s.talent = {0, 5, 0, 9, 2};
    s.songwriting = {0, 3, 4, 1, 2};
    const int draws[][2] = {{5, 5}, {3, 3}, {1, 0}, {4, 4}, {9, 9}, {1, 1}, {1, 2}, {2, 2}};
    for (auto [k, n] : draws) // talent then songwriting, slot by slot; a skill of 0 adds 1
        random.give(k, n);
    EXPECT_EQ(songquality(s, random), 5 + 3 + 1 + 4 + 9 + 1 + 1 + 2);
}

} // namespace
} // namespace quorvane::testing
