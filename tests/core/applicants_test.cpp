// Applicants: the order of their draws, the sentence that describes them, HIRE and DISMISS.
#include "roster/applicants.h"
#include "state/refresh.h"
#include "support/gamefixture.h"

namespace quorvane::testing {
namespace {

struct Draws {
    int age = 1, sex = 1, first = 1, last = 1;
    int talent = 1, charisma = 1, attitude = 1, looks = 1, songwriting = 1;
};

void script(ScriptedRandom& random, const Draws& d) {
    random.give(d.age, 6);
    random.give(d.sex, 2);
    random.give(d.first, 30);
    random.give(d.last, 30);
    random.give(d.talent, 3);
    random.give(d.charisma, 10);
    random.give(d.attitude, 10);
    random.give(d.looks, 10);
    random.give(d.songwriting, 3);
}

using ApplicantTest = GameTest;

TEST_F(ApplicantTest, DrawsEveryValueInOrderAndDescribesTheApplicant) {
    script(random, {.age = 6,
                    .sex = 1,
                    .first = 26,
                    .last = 5,
                    .talent = 2,
                    .charisma = 7,
                    .attitude = 6,
                    .looks = 4,
                    .songwriting = 3});
    game.state.applicantslot = 2;
    newapplicant(game);

    const auto& a = game.main;
    EXPECT_EQ(a.age1, 22);
    EXPECT_EQ(a.sex1, "Male");
    EXPECT_EQ(a.name1, "Keith Del Ray");
    EXPECT_EQ(a.talent1, 2);
    EXPECT_EQ(a.charisma1, 7);
    EXPECT_EQ(a.attitude1, 6);
    EXPECT_EQ(a.looks1, 4);
    EXPECT_EQ(a.songwriting1, 3);
    EXPECT_EQ(game.controls.txtapplicant,
              "Keith Del Ray wants to join the band, he is a poor Guitar player, appears to have "
              "a good attitude and looks o.k. ");
}

TEST_F(ApplicantTest, FemaleNamesComeFromTheirOwnTable) {
    script(random, {.age = 1, .sex = 2, .first = 30, .last = 30});
    newapplicant(game);
    EXPECT_EQ(game.main.age1, 17);
    EXPECT_EQ(game.main.sex1, "Female");
    EXPECT_EQ(game.main.name1, "Nicole Lee");
    EXPECT_EQ(game.controls.txtapplicant,
              "Nicole Lee wants to join the band, she is a terrible Vocalist, appears to have an "
              "atrocious attitude problem and looks an absolute horror!");
}

struct Band {
    int value;
    const char* talent;
    const char* attitude;
    const char* looks;
};

// Every band of the three word scales, at both of its edges.
const Band bands[] = {
    {0, "terrible ", "an atrocious attitude problem and ", "looks an absolute horror!"},
    {1, "terrible ", "an atrocious attitude problem and ", "looks an absolute horror!"},
    {2, "poor ", "a bad attitude problem and ", "looks quite ugly. "},
    {3, "poor ", "a bad attitude problem and ", "looks quite ugly. "},
    {4, "reasonable ", "a fairly good attitude and ", "looks o.k. "},
    {5, "reasonable ", "a fairly good attitude and ", "looks o.k. "},
    {6, "good ", "a good attitude and ", "looks pretty good! "},
    {7, "good ", "a good attitude and ", "looks pretty good! "},
    {8, "excellent ", "a very good attitude and ", "is gorgeous!! "},
    {10, "excellent ", "a very good attitude and ", "is gorgeous!! "},
    {11, "", "", ""},
};

TEST_F(ApplicantTest, DescriptionWordsFollowTheirBands) {
    game.main.name1 = "Ann Lee";
    game.main.sex1 = "Female";
    game.state.applicantslot = 3;
    for (const Band& b : bands) {
        game.main.talent1 = game.main.attitude1 = game.main.looks1 = static_cast<int16>(b.value);
        EXPECT_EQ(applicantdescription(game),
                  std::string("Ann Lee wants to join the band, she is a ") + b.talent +
                      "Bass player, appears to have " + b.attitude + b.looks)
            << "value " << b.value;
    }
}

TEST_F(ApplicantTest, OnlySlotOneAsksForAVocalist) {
    game.main.sex1 = "Male";
    const char* pieces[] = {"", "Vocalist, appears", "Guitar player, appears",
                            "Bass player, appears", "Drums player, appears"};
    for (int slot = 1; slot <= 4; ++slot) {
        game.state.applicantslot = static_cast<int16>(slot);
        EXPECT_NE(applicantdescription(game).find(std::string("he is a terrible ") + pieces[slot]),
                  std::string::npos)
            << "slot " << slot;
    }
}

TEST_F(ApplicantTest, RefreshOffersTheLowestVacantSlot) {
    fill(1, "A One");
    fill(3, "C Three");
    script(random, {});
    update(game);
    EXPECT_EQ(game.state.applicantslot, 2);
    EXPECT_TRUE(game.controls.hire && game.controls.dismiss);
}

TEST_F(ApplicantTest, AFullBandHasNoApplicantsAndKeepsTheSlot) {
    fillband();
    game.state.applicantslot = 3;
    update(game);
    EXPECT_EQ(game.controls.txtapplicant, "No Applicants");
    EXPECT_FALSE(game.controls.hire || game.controls.dismiss);
    EXPECT_EQ(game.state.applicantslot, 3);
}

TEST_F(ApplicantTest, HireCopiesTheApplicantAndOffersTheNextSlot) {
    game.state.illweeks[1] = 2;
    game.state.lessons[1] = 5;
    script(random, {.age = 3,
                    .sex = 2,
                    .first = 1,
                    .last = 1,
                    .talent = 3,
                    .charisma = 9,
                    .attitude = 8,
                    .looks = 7,
                    .songwriting = 2});
    update(game);
    script(random, {});
    hireapplicant(game);

    const auto& s = game.state;
    EXPECT_EQ(s.membername[1], "Anne Johnson");
    EXPECT_EQ(s.membersex[1], "Female");
    EXPECT_EQ(s.memberage[1], 19);
    EXPECT_EQ(s.talent[1], 3);
    EXPECT_EQ(s.charisma[1], 9);
    EXPECT_EQ(s.attitude[1], 8);
    EXPECT_EQ(s.looks[1], 7);
    EXPECT_EQ(s.songwriting[1], 2);
    EXPECT_EQ(s.happiness[1], 10);
    EXPECT_EQ(s.discord[1], 0);
    EXPECT_EQ(s.illweeks[1], 2) << "a hire keeps the slot's illness";
    EXPECT_EQ(s.lessons[1], 5) << "a hire keeps the slot's lesson progress";
    EXPECT_EQ(s.applicantsthisweek, 1);
    EXPECT_EQ(game.controls.members, std::vector<std::string>{"Anne Johnson"});
    EXPECT_EQ(s.applicantslot, 2);
    EXPECT_NE(game.controls.txtapplicant.find("Guitar player"), std::string::npos);
}

TEST_F(ApplicantTest, HiringTheLastMemberLeavesNoApplicants) {
    fill(1, "A");
    fill(2, "B");
    fill(3, "C");
    script(random, {});
    update(game);
    hireapplicant(game);
    EXPECT_EQ(game.controls.txtapplicant, "No Applicants");
    EXPECT_FALSE(game.controls.hire || game.controls.dismiss);
    EXPECT_EQ(game.controls.members.size(), 4u);
    hireapplicant(game); // a disabled HIRE does nothing
    EXPECT_EQ(game.state.applicantsthisweek, 1);
}

TEST_F(ApplicantTest, TheFourthDismissOfAWeekIsRefused) {
    for (int i = 0; i < 4; ++i)
        script(random, {});
    update(game);
    for (int i = 1; i <= 3; ++i) {
        dismissapplicant(game);
        EXPECT_EQ(game.state.applicantsthisweek, i);
    }
    dismissapplicant(game);
    EXPECT_EQ(game.state.applicantsthisweek, 3);
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"No more applicants this week."});
    EXPECT_EQ(game.controls.txtapplicant, "");
    EXPECT_FALSE(game.controls.hire || game.controls.dismiss);
}

TEST_F(ApplicantTest, WeeklyLimitsTestForEqualityOnly) {
    game.state.applicantsthisweek = 3;
    for (int i = 0; i < 4; ++i)
        script(random, {});
    update(game);
    hireapplicant(game); // 3 -> 4: no message
    EXPECT_TRUE(dialogs.shown.empty());
    dismissapplicant(game); // 4 -> 5: accepted again
    dismissapplicant(game); // 5 -> 6
    EXPECT_EQ(game.state.applicantsthisweek, 6);
    EXPECT_TRUE(dialogs.shown.empty());

    game.state.applicantsthisweek = 4;
    script(random, {});
    hireapplicant(game); // 4 -> 5: the hire happens, then the message
    EXPECT_EQ(game.state.membername[2], "Aaron Johnson");
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"No more applicants this week."});
    EXPECT_TRUE(game.controls.hire) << "the buttons stay as the refresh left them";
}

} // namespace
} // namespace quorvane::testing
