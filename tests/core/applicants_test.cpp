// Applicants: the order and range of their draws, the sentence that describes them, HIRE
// and DISMISS.
#include "roster/applicants.h"
#include "state/refresh.h"
#include "support/gamefixture.h"

namespace quorvane::testing {
namespace {

using ApplicantTest = GameTest;

TEST_F(ApplicantTest, DrawsEveryValueInOrderAndDescribesTheApplicant) {
    // age, sex, first name, surname, talent, charisma, attitude, looks, songwriting
    const int male[][2] = {{6, 6},  {1, 2},  {26, 30}, {5, 30}, {2, 3},
                           {7, 10}, {6, 10}, {4, 10},  {3, 3}};
    for (auto [k, n] : male)
        random.give(k, n);
    game.state.applicantslot = 2;
    newapplicant(game);
    const auto& a = game.main;
    EXPECT_EQ(std::tie(a.age1, a.sex1, a.name1), std::tuple(22, "Male", "Keith Del Ray"));
    EXPECT_EQ(std::tie(a.talent1, a.charisma1, a.attitude1, a.looks1, a.songwriting1),
              std::tuple(2, 7, 6, 4, 3));
    EXPECT_EQ(game.controls.txtapplicant,
              "Keith Del Ray wants to join the band, he is a poor Guitar player, appears to have "
              "a good attitude and looks o.k. ");

    const int female[][2] = {{1, 6},  {2, 2},  {30, 30}, {30, 30}, {1, 3},
                             {1, 10}, {1, 10}, {1, 10},  {1, 3}};
    for (auto [k, n] : female)
        random.give(k, n);
    game.state.applicantslot = 1;
    newapplicant(game);
    EXPECT_EQ(game.controls.txtapplicant,
              "Nicole Lee wants to join the band, she is a terrible Vocalist, appears to have an "
              "atrocious attitude problem and looks an absolute horror!");
}

TEST_F(ApplicantTest, DescriptionWordsChangeAtTheirBoundaries) {
    struct Row {
        int value;
        const char *talent, *attitude, *looks;
    };
    const Row rows[] = {
        {1, "terrible ", "an atrocious attitude problem and ", "looks an absolute horror!"},
        {2, "poor ", "a bad attitude problem and ", "looks quite ugly. "},
        {3, "poor ", "a bad attitude problem and ", "looks quite ugly. "},
        {4, "reasonable ", "a fairly good attitude and ", "looks o.k. "},
        {5, "reasonable ", "a fairly good attitude and ", "looks o.k. "},
        {6, "good ", "a good attitude and ", "looks pretty good! "},
        {7, "good ", "a good attitude and ", "looks pretty good! "},
        {8, "excellent ", "a very good attitude and ", "is gorgeous!! "},
        {10, "excellent ", "a very good attitude and ", "is gorgeous!! "},
        {11, "", "", ""}};
    const char* instruments[] = {"Vocalist", "Guitar player", "Bass player", "Drums player"};
    game.main.name1 = "Ann Lee";
    game.main.sex1 = "Female";
    for (const Row& r : rows) {
        game.state.applicantslot = static_cast<int16>(r.value % 4 + 1);
        game.main.talent1 = game.main.attitude1 = game.main.looks1 = static_cast<int16>(r.value);
        EXPECT_EQ(applicantdescription(game),
                  std::string("Ann Lee wants to join the band, she is a ") + r.talent +
                      instruments[r.value % 4] + ", appears to have " + r.attitude + r.looks)
            << "value " << r.value;
    }
}

TEST_F(ApplicantTest, RefreshOffersTheLowestVacantSlotOrNoApplicants) {
    fill(1, "A One");
    fill(3, "C Three");
    applicant();
    update(game);
    EXPECT_EQ(game.state.applicantslot, 2);
    EXPECT_TRUE(game.controls.hire && game.controls.dismiss);

    fill(2, "B Two");
    fill(4, "D Four");
    update(game);
    EXPECT_EQ(game.controls.txtapplicant, "No Applicants");
    EXPECT_FALSE(game.controls.hire || game.controls.dismiss);
    EXPECT_EQ(game.state.applicantslot, 2) << "a full band keeps the old slot";
}

TEST_F(ApplicantTest, HireCopiesTheApplicantAndOffersTheNextSlot) {
    auto& s = game.state;
    s.illweeks[1] = 2;
    applicant();
    update(game);
    applicant();
    hireapplicant(game);
    EXPECT_EQ(std::tie(s.membername[1], s.membersex[1], s.memberage[1]),
              std::tuple("Aaron Johnson", "Male", 17));
    EXPECT_EQ(std::tie(s.talent[1], s.charisma[1], s.attitude[1], s.looks[1], s.songwriting[1]),
              std::tuple(1, 1, 1, 1, 1));
    EXPECT_EQ(std::tie(s.happiness[1], s.discord[1], s.illweeks[1]), std::tuple(10, 0, 2));
    EXPECT_EQ(s.applicantsthisweek, 1);
    EXPECT_EQ(game.controls.members, std::vector<std::string>{"Aaron Johnson"});
    EXPECT_EQ(s.applicantslot, 2);
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
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"No more applicants this week."});
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
