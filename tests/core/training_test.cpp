// Practice and lessons: the progress counter that wraps at 7 into a point of talent.
#include "roster/practice.h"
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

TEST_F(TrainingTest, PracticeGivesOneOrTwoStepsToOneMemberAndTiresTheBand) {
    auto& s = game.state;
    random.give(2, 4); // member 2,
    random.give(1, 2); // one step: 5 -> 6, no message
    practise(game);
    random.give(3, 4); // member 3,
    random.give(2, 2); // two steps: 6 -> 8, a point of talent
    practise(game);
    EXPECT_EQ(s.lessons, (Ints<4>{0, 5, 6, 0, 0}));
    EXPECT_EQ(s.talent, (Ints<4>{0, 2, 2, 3, 2}));
    EXPECT_EQ(s.tiredness, 4);
    EXPECT_EQ(dialogs.messages(),
              Lines{"Thanks to practising, Member 3 has become more talented!"});
}

TEST_F(TrainingTest, ATiredBandIsAskedTwiceBeforeItPractises) {
    auto week = [this] {
        for (int wage : {1, 1, 1, 1})
            random.give(wage, 3);
        random.give(1, 2, 5); // the venues
        calmweek();
        nextweek(game);
    };
    game.state.tiredness = 1;
    dialogs.answers = {true, false};
    week();
    EXPECT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(game.state.lessons, (Ints<4>{0, 5, 5, 6, 0})) << "no practice";
    dialogs.answers = {true}; // rested now: no second question
    random.give(1, 4);
    random.give(1, 2);
    week();
    EXPECT_EQ(dialogs.shown.size(), 3u);
    EXPECT_EQ(game.state.lessons[1], 6);
    EXPECT_EQ(game.state.tiredness, 1) << "practice adds 2, the week takes 1";
}

TEST_F(TrainingTest, ALessonCostsSeventyFivePoundsAndTheSeventhGivesTalent) {
    auto& s = game.state;
    game.main.Selected = 3;
    s.cash = 75;
    dialogs.answers = {true, true, false};
    givelesson(game); // 6 -> 7: talent, with exactly the price
    givelesson(game); // with nothing left
    givelesson(game); // No
    EXPECT_EQ(
        dialogs.shown,
        (std::vector<Shown>{
            {Shown::question, "It will cost £75 to give Member 3 a Guitar lesson. Go ahead?"},
            {Shown::message, "Thanks to the lesson, Member 3 has become more talented!"},
            {Shown::question, "It will cost £75 to give Member 3 a Guitar lesson. Go ahead?"},
            {Shown::message, "You don't have enough money for this lesson!"},
            {Shown::question, "It will cost £75 to give Member 3 a Guitar lesson. Go ahead?"}}));
    EXPECT_EQ(std::tie(s.cash, s.talent[3], s.lessons[3]), std::tuple(0, 3, 0));

    const char* subjects[] = {"", "Singing", "Guitar", "Guitar", "Drums"};
    for (int slot : {1, 2, 4}) {
        game.main.Selected = static_cast<int16>(slot);
        dialogs.answers = {false};
        givelesson(game);
        EXPECT_NE(dialogs.shown.back().text.find(std::string(" a ") + subjects[slot] + " lesson"),
                  std::string::npos);
    }
    s.membername[4] = "None"; // the picked member has left
    givelesson(game);
    EXPECT_EQ(dialogs.shown.back(), (Shown{Shown::message, "Please select a band member"}));
}

} // namespace
} // namespace quorvane::testing
