// Applicants drawn, hired and limited by the week; lessons, leavers and the member report.
#include "support/gamefixture.h"

namespace quorvane::testing {

TEST_F(GameTest, AnApplicantIsDrawnInOrderAndHiredAndAWeekTakesFiveHiresOrThreeTurnedAway) {
    auto& s = game.state;
    s.membername[1] = "A One";
    s.discord[2] = 5;
    s.applicantsthisweek = 3;
    // age, sex, first name, surname, talent, charisma, attitude, looks, songwriting
    random.give({{6, 6}, {2, 2}, {26, 30}, {5, 30}, {1, 3}, {7, 10}, {8, 10}, {1, 10}, {2, 3}});
    update(game);        // the words are the table below's
    applicant();         // the refresh after the hire
    hireapplicant(game); // the fourth of the week, quietly
    EXPECT_EQ(s.membername[2], "Georgia Del Ray");
    EXPECT_EQ(s.membersex[2], "Female");
    EXPECT_EQ(s.memberage[2], 22);
    EXPECT_EQ(s.talent[2], 1);
    EXPECT_EQ(s.charisma[2], 7);
    EXPECT_EQ(s.attitude[2], 8);
    EXPECT_EQ(s.looks[2], 1);
    EXPECT_EQ(s.songwriting[2], 2);
    EXPECT_EQ(s.happiness[2], 10);
    EXPECT_EQ(s.discord[2], 0);
    applicant();
    hireapplicant(game); // the fifth, the last
    s.applicantsthisweek = 2;
    applicant();
    dismissapplicant(game); // the third turned away
    dismissapplicant(game); // and no fourth
    EXPECT_EQ(s.applicantsthisweek, 3);
    EXPECT_FALSE(game.controls.dismiss);
    EXPECT_EQ(dialogs.messages(),
              (Lines{"No more applicants this week.", "No more applicants this week."}));
}

TEST_F(GameTest, AnApplicantIsWordedByTheBandEachValueFallsIn) {
    // Talent, attitude and looks share their bounds; the row's value also picks the slot.
    const char* words[][3] = {
        {"terrible ", "an atrocious attitude problem and ", "looks an absolute horror!"},
        {"poor ", "a bad attitude problem and ", "looks quite ugly. "},
        {"poor ", "a bad attitude problem and ", "looks quite ugly. "},
        {"reasonable ", "a fairly good attitude and ", "looks o.k. "},
        {"reasonable ", "a fairly good attitude and ", "looks o.k. "},
        {"good ", "a good attitude and ", "looks pretty good! "},
        {"good ", "a good attitude and ", "looks pretty good! "},
        {"excellent ", "a very good attitude and ", "is gorgeous!! "},
        {"excellent ", "a very good attitude and ", "is gorgeous!! "},
        {"excellent ", "a very good attitude and ", "is gorgeous!! "},
        {"", "", ""}};
    const char* players[] = {"Vocalist", "Guitar player", "Bass player", "Drums player"};
    game.main.name1 = "Aaron Johnson";
    game.main.sex1 = "Female";
    for (int value = 1; value <= 11; ++value) {
        SCOPED_TRACE(value);
        game.state.applicantslot = static_cast<int16>(value % 4 + 1);
        game.main.talent1 = static_cast<int16>(value);
        game.main.attitude1 = static_cast<int16>(value);
        game.main.looks1 = static_cast<int16>(value);
        const auto& word = words[value - 1];
        EXPECT_EQ(applicantdescription(game),
                  std::string("Aaron Johnson wants to join the band, she is a ") + word[0] +
                      players[value % 4] + ", appears to have " + word[1] + word[2]);
    }
}

TEST_F(GameTest, ALessonCostsSeventyFivePoundsAndEverySeventhIsAPointOfTalent) {
    auto& s = band();
    // The bass player learns on a guitar.
    const char* questions[] = {"It will cost £75 to give Member 1 a Singing lesson. Go ahead?",
                               "It will cost £75 to give Member 2 a Guitar lesson. Go ahead?",
                               "It will cost £75 to give Member 3 a Guitar lesson. Go ahead?",
                               "It will cost £75 to give Member 4 a Drums lesson. Go ahead?"};
    for (int slot = 1; slot <= membercount; ++slot) {
        game.main.Selected = static_cast<int16>(slot);
        dialogs.answers = {false};
        givelesson(game);
        EXPECT_EQ(last(), questions[slot - 1]);
    }
    s.cash = 150;
    s.lessons[4] = 5; // the drummer, picked last, is five steps on
    dialogs.answers = {true, true, true};
    givelesson(game); // the sixth step
    givelesson(game); // the seventh, with £75 exactly
    EXPECT_EQ(s.cash, 0);
    EXPECT_EQ(s.lessons[4], 0);
    EXPECT_EQ(s.talent[4], 6);
    s.cash = 74;
    givelesson(game);
    EXPECT_EQ(dialogs.messages(), (Lines{"Thanks to the lesson, Member 4 has become more talented!",
                                         "You don't have enough money for this lesson!"}));
}

TEST_F(GameTest, SackAsksCarefullyAndALeaverCostsTwiceTheirSkillsAndMovesTheRest) {
    struct Leaver {
        const char* name;
        bool yes;
        int discord, popularity, left, first; // popularity left; member 1's happiness from 3
    };
    const Leaver rows[] = {{"No keeps the member", false, 0, 100, 100, 3},
                           {"a friend shocks the rest", true, 0, 100, 66, 0},
                           {"a troublemaker cheers the rest", true, 1, 33, 0, 4}};
    for (const Leaver& row : rows) {
        SCOPED_TRACE(row.name);
        auto& s = band();
        s.happiness[1] = 3;
        s.discord[2] = static_cast<int16>(row.discord);
        s.popularity = static_cast<int16>(row.popularity);
        game.main.Selected = 2;
        game.controls.Command2 = true;
        dialogs.answers = {row.yes};
        if (row.yes) applicant(); // for the vacancy
        sackmember(game);
        EXPECT_EQ(dialogs.shown.back().kind, Shown::careful); // a hasty Enter keeps the member
        EXPECT_FALSE(game.controls.Command2);                 // until a member is picked again
        EXPECT_EQ(s.popularity, row.left);
        EXPECT_EQ(s.happiness[1], row.first);
    }
}

TEST_F(GameTest, TheMemberReportWordsTheMoodAndStandingOnEachSideOfTheirBounds) {
    struct Report {
        int happiness, discord;
        const char *sex, *text;
    };
    const Report rows[] = {
        {3, 2, "Male",
         "Member 1 is unhappy. He gets on really well with other members of the band."},
        {4, 3, "Female", "Member 1 is content. She gets on pretty well with other band members. "},
        {6, 4, "Male", "Member 1 is content. He gets on pretty well with other band members. "},
        {7, 5, "Male", "Member 1 is quite happy. He is tolerated by the band. "},
        {8, 6, "Male", "Member 1 is quite happy. He is tolerated by the band. "},
        {9, 7, "Male", "Member 1 is very happy. He is hated by the rest of the band. "}};
    auto& s = band();
    for (const Report& row : rows) {
        s.happiness[1] = static_cast<int16>(row.happiness);
        s.discord[1] = static_cast<int16>(row.discord);
        s.membersex[1] = row.sex;
        EXPECT_EQ(moodreport(s, 1), row.text);
    }
}

} // namespace quorvane::testing
