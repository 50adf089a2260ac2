// Applicants: the order and range of their draws, the sentence that describes them, HIRE
// and DISMISS with their weekly limits.
#include "roster/applicants.h"
#include "state/refresh.h"
#include "support/gamefixture.h"

namespace quorvane::testing {
namespace {

using ApplicantTest = GameTest;

TEST_F(ApplicantTest, DrawsEveryValueInOrderAndDescribesTheApplicant) {
    // age, sex, first name, surname, talent, charisma, attitude, looks, songwriting
    const int draws[][2] = {{6, 6},  {1, 2},  {26, 30}, {5, 30}, {2, 3},
                            {7, 10}, {6, 10}, {4, 10},  {3, 3}};
    for (auto [k, n] : draws)
        random.give(k, n);
    game.state.applicantslot = 2;
    newapplicant(game);
    const auto& a = game.main;
    EXPECT_EQ(
        std::tie(a.age1, a.sex1, a.talent1, a.charisma1, a.attitude1, a.looks1, a.songwriting1),
        std::tuple(22, "Male", 2, 7, 6, 4, 3));
    EXPECT_EQ(game.controls.txtapplicant,
              "Keith Del Ray wants to join the band, he is a poor Guitar player, appears to have "
              "a good attitude and looks o.k. ");
}

TEST_F(ApplicantTest, DescriptionWordsChangeAtTheirBoundaries) {
    const char* rows[][4] = {
        {"1", "terrible ", "an atrocious attitude problem and ", "looks an absolute horror!"},
        {"2", "poor ", "a bad attitude problem and ", "looks quite ugly. "},
        {"3", "poor ", "a bad attitude problem and ", "looks quite ugly. "},
        {"4", "reasonable ", "a fairly good attitude and ", "looks o.k. "},
        {"5", "reasonable ", "a fairly good attitude and ", "looks o.k. "},
        {"6", "good ", "a good attitude and ", "looks pretty good! "},
        {"7", "good ", "a good attitude and ", "looks pretty good! "},
        {"8", "excellent ", "a very good attitude and ", "is gorgeous!! "},
        {"10", "excellent ", "a very good attitude and ", "is gorgeous!! "},
        {"11", "", "", ""}};
    const char* instruments[] = {"Vocalist", "Guitar player", "Bass player", "Drums player"};
    game.main.name1 = "Ann Lee";
    game.main.sex1 = "Female";
    for (const auto& [value, talent, attitude, looks] : rows) {
        const int v = std::stoi(value);
        game.state.applicantslot = static_cast<int16>(v % 4 + 1);
        game.main.talent1 = game.main.attitude1 = game.main.looks1 = static_cast<int16>(v);
        EXPECT_EQ(applicantdescription(game), std::string("Ann Lee wants to join the band, she "
                                                          "is a ") +
                                                  talent + instruments[v % 4] +
                                                  ", appears to have " + attitude + looks)
            << "value " << v;
    }
}

TEST_F(ApplicantTest, HireFillsTheLowestVacantSlotUntilNoApplicantsAreLeft) {
    auto& s = game.state;
    fill(1, "A One");
    s.illweeks[2] = 2;
    applicant();
    update(game);
    applicant();
    hireapplicant(game);
    EXPECT_EQ(std::tie(s.membername[2], s.membersex[2], s.memberage[2], s.talent[2], s.charisma[2],
                       s.attitude[2], s.looks[2], s.songwriting[2], s.happiness[2], s.discord[2]),
              std::tuple("Aaron Johnson", "Male", 17, 1, 1, 1, 1, 1, 10, 0));
    EXPECT_EQ(std::tie(s.illweeks[2], s.applicantsthisweek, s.applicantslot), std::tuple(2, 1, 3));
    EXPECT_EQ(game.controls.members, (Lines{"A One", "Aaron Johnson"}));

    fill(3, "C Three");
    fill(4, "D Four");
    update(game);
    EXPECT_EQ(game.controls.txtapplicant, "No Applicants");
    EXPECT_FALSE(game.controls.hire || game.controls.dismiss);
    EXPECT_EQ(s.applicantslot, 3) << "a full band keeps the old slot";
}

TEST_F(ApplicantTest, TheWeeklyLimitsHoldAtExactlyTheirCounts) {
    applicant();
    update(game);
    for (int i = 1; i <= 3; ++i) {
        applicant();
        dismissapplicant(game);
    }
    dismissapplicant(game); // the fourth dismiss of a week
    EXPECT_EQ(game.state.applicantsthisweek, 3);
    EXPECT_EQ(dialogs.messages(), Lines{"No more applicants this week."});
    EXPECT_FALSE(game.controls.hire || game.controls.dismiss);
    hireapplicant(game); // a disabled button does nothing
    EXPECT_EQ(game.state.membername[1], "None");

    game.controls.hire = game.controls.dismiss = true;
    game.state.applicantsthisweek = 4;
    applicant();
    hireapplicant(game); // 4 -> 5: the hire happens, then the message
    EXPECT_EQ(game.state.membername[1], "Aaron Johnson");
    EXPECT_EQ(dialogs.messages().size(), 2u);
    applicant();
    dismissapplicant(game); // 5 -> 6: past the limit, accepted again
    EXPECT_EQ(game.state.applicantsthisweek, 6);
}

} // namespace
} // namespace quorvane::testing
