// Practice, lessons and song writing: what the band does between gigs.
#include "roster/practice.h"
#include "songs/songwriting.h"
#include "support/gamefixture.h"
#include "turn/nextweek.h"

namespace quorvane::testing {
namespace {

class TrainingTest : public GameTest {
protected:
    TrainingTest() {
        fillband();
        game.state.lessons = {0, 5, 5, 6, 0};
    }
};

TEST_F(TrainingTest, PracticeAndLessonsGiveTalentAtTheSeventhStep) {
    auto& s = game.state;
    random.give({{2, 4}, {1, 2}, {3, 4}, {2, 2}}); // member 2 a step, 5 -> 6; member 3 two, 6 -> 8
    practise(game);
    practise(game);
    game.main.Selected = 2;
    s.cash = 75;
    dialogs.answers = {true, true, false};
    givelesson(game); // 6 -> 7, with exactly the price
    givelesson(game); // with nothing left
    s.membername[2] = "None";
    givelesson(game); // the picked member has left
    const std::string ask = "It will cost £75 to give Member 2 a Guitar lesson. Go ahead?";
    EXPECT_EQ(dialogs.shown,
              (std::vector<Shown>{
                  {Shown::message, "Thanks to practising, Member 3 has become more talented!"},
                  {Shown::question, ask},
                  {Shown::message, "Thanks to the lesson, Member 2 has become more talented!"},
                  {Shown::question, ask},
                  {Shown::message, "You don't have enough money for this lesson!"},
                  {Shown::message, "Please select a band member"}}));
    EXPECT_EQ(std::tie(s.lessons, s.talent, s.tiredness, s.cash),
              std::tuple(Ints<4>{0, 5, 0, 0, 0}, Ints<4>{0, 2, 3, 3, 2}, 4, 0));
    dialogs.answers = {false, false, false};
    for (auto [slot, subject] : {std::pair{1, "Singing"}, {3, "Guitar"}, {4, "Drums"}}) {
        game.main.Selected = static_cast<int16>(slot);
        givelesson(game); // No
        EXPECT_NE(dialogs.shown.back().text.find(std::string(" a ") + subject + " lesson"),
                  std::string::npos);
    }
}

TEST_F(TrainingTest, ATiredBandIsAskedTwiceBeforeItPractises) {
    game.state.tiredness = 1;
    dialogs.answers = {true, false};
    quietweek();
    nextweek(game);
    dialogs.answers = {true}; // rested now: no second question
    random.give({{1, 4}, {1, 2}});
    quietweek();
    nextweek(game);
    EXPECT_EQ(dialogs.shown.size(), 3u);
    EXPECT_EQ(std::tie(game.state.lessons[1], game.state.tiredness), std::tuple(6, 1));
}

TEST_F(TrainingTest, WriteSongChecksInOrderAndATiredBandPaysInHappiness) {
    auto& s = game.state;
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

TEST_F(TrainingTest, AFinishedSongIsRatedFromTheSkillsOfEachMember) {
    auto& s = game.state;
    s.talent = s.songwriting = {0, 1, 1, 1, 1};
    random.give(1, 1, 8); // four members at 1 and 1 give 8
    random.give({{3, 3}, {5, 20}, {14, 20}});
    s.songcount = s.lastsong = 2;
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

} // namespace
} // namespace quorvane::testing
