// The band's roster: applicants, hiring, leavers, the member panel and report, lessons.
#include "roster/applicants.h"
#include "roster/departures.h"
#include "roster/memberdetails.h"
#include "roster/practice.h"
#include "state/refresh.h"
#include "support/gamefixture.h"

namespace quorvane::testing {
namespace {

TEST_F(GameTest, AnApplicantIsDrawnInOrderAndDescribedInOneSentence) {
    // age, sex, first name, surname, talent, charisma, attitude, looks, songwriting
    random.give({{6, 6}, {1, 2}, {26, 30}, {5, 30}, {2, 3}, {7, 10}, {6, 10}, {4, 10}, {3, 3}});
    game.state.applicantslot = 2;
    newapplicant(game);
    auto& a = game.main;
    EXPECT_EQ(
        std::tie(a.age1, a.sex1, a.talent1, a.charisma1, a.attitude1, a.looks1, a.songwriting1),
        std::tuple(22, "Male", 2, 7, 6, 4, 3));
    EXPECT_EQ(game.controls.txtapplicant,
              "Keith Del Ray wants to join the band, he is a poor Guitar player, appears to have "
              "a good attitude and looks o.k. ");
    // Each word at both edges of its band, as talent, attitude and looks alike.
    const char* words[][4] = {
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
    const char* players[] = {"Vocalist", "Guitar player", "Bass player", "Drums player"};
    a.sex1 = "Female";
    for (const auto& [value, talent, attitude, looks] : words) {
        const int v = std::stoi(value);
        game.state.applicantslot = static_cast<int16>(v % 4 + 1);
        a.talent1 = a.attitude1 = a.looks1 = static_cast<int16>(v);
        EXPECT_EQ(applicantdescription(game), "Keith Del Ray wants to join the band, she is a " +
                                                  std::string(talent) + players[v % 4] +
                                                  ", appears to have " + attitude + looks);
    }
}

TEST_F(GameTest, HireFillsTheLowestVacancyAndTheWeeksLimitsHoldExactly) {
    auto& s = game.state;
    const auto& c = game.controls;
    std::tie(s.membername[1], s.illweeks[2], s.applicantsthisweek) = std::tuple("A One", 2, 1);
    applicant();
    update(game);
    applicant(); // the refresh after the hire offers someone for slot 3
    hireapplicant(game);
    EXPECT_EQ(std::tie(s.membername[2], s.membersex[2], s.memberage[2], s.talent[2], s.charisma[2],
                       s.attitude[2], s.looks[2], s.songwriting[2], s.happiness[2], s.illweeks[2]),
              std::tuple("Aaron Johnson", "Male", 17, 1, 1, 1, 1, 1, 10, 2));
    applicant();
    dismissapplicant(game); // 2 to 3
    dismissapplicant(game); // refused at 3
    EXPECT_EQ(std::tie(s.applicantsthisweek, c.txtapplicant, c.hire, c.dismiss, s.applicantslot),
              std::tuple(3, "", false, false, 3));
    s.applicantsthisweek = 4;
    hireapplicant(game);
    applicant();
    update(game);
    applicant();
    hireapplicant(game); // 4 to 5: hired, then told
    applicant();
    dismissapplicant(game); // 5 to 6: past the limit, accepted again
    EXPECT_EQ(std::tie(s.membername[3], s.applicantsthisweek, s.applicantslot),
              std::tuple("Aaron Johnson", 6, 4));
    EXPECT_EQ(dialogs.messages(), Lines(2, "No more applicants this week."));
    s.membername[4] = "D Four";
    update(game);
    EXPECT_EQ(std::tie(c.txtapplicant, c.hire), std::tuple("No Applicants", false));
}

TEST_F(GameTest, ALeaverCostsPopularityAndMovesTheBandsMood) {
    const std::tuple<int, int, Ints<4>, int, Ints<4>> rows[] = {
        // discord, popularity, happiness, then after the guitarist (qualities 14) leaves
        {0, 100, {0, 3, 10, 5, 4}, 72, {0, 0, 6, 1, 0}}, // a friend: everyone loses 4
        {1, 20, {0, 6, 2, 6, 10}, 0, {0, 7, 2, 7, 10}},  // a nuisance: the rest gain 1
        {7, 100, {0, 6, 2, 6, 9}, 72, {0, 10, 2, 10, 10}}};
    for (const auto& [discord, popularity, before, after, mood] : rows) {
        auto& s = band();
        std::tie(s.talent[2], s.charisma[2], s.looks[2], s.songwriting[2], s.attitude[2]) =
            std::tuple(3, 5, 4, 2, 9);
        std::tie(s.discord[2], s.popularity, s.happiness) =
            std::tuple(static_cast<int16>(discord), static_cast<int16>(popularity), before);
        game.main.Selected = 2;
        applicant();
        delete_member(game);
        EXPECT_EQ(std::tie(s.popularity, s.happiness), std::tie(after, mood)) << discord;
        EXPECT_EQ(std::tie(s.membername[2], s.membersex[2], s.talent[2], s.charisma[2],
                           s.attitude[2], s.looks[2], s.songwriting[2], s.memberage[2]),
                  std::tuple("None", "0", 0, 0, 0, 0, 0, 20));
    }
}

TEST_F(GameTest, APickedMemberIsShownReportedAndSackedOnlyWhenConfirmed) {
    auto& s = band();
    s.membername[2] = none;
    std::tie(s.memberage[4], s.membersex[4], s.talent[4], s.charisma[4], s.attitude[4],
             s.looks[4]) = std::tuple(21, "Female", 12, 6, 7, 8);
    listupdate(game);
    memberreport(game);
    showmember(game, 2); // the rows show slots 1, 3 and 4
    const MemberPanel p = memberpanel(game);
    EXPECT_EQ((Lines{p.txtage, p.txtsex, p.txtinstrument, p.txttalent, p.txtcharisma, p.txtattitude,
                     p.txtlooks}),
              (Lines{"21", "Female", "Drums", "12", "6", "7", "8"}));
    const std::tuple<int, int, const char*> reports[] = {
        {10, 0, "very happy. She gets on really well with other members of the band."},
        {9, 2, "very happy. She gets on really well with other members of the band."},
        {8, 3, "quite happy. She gets on pretty well with other band members. "},
        {7, 4, "quite happy. She gets on pretty well with other band members. "},
        {6, 5, "content. She is tolerated by the band. "},
        {4, 6, "content. She is tolerated by the band. "},
        {3, 7, "unhappy. She is hated by the rest of the band. "}};
    for (const auto& [happiness, discord, report] : reports) {
        std::tie(s.happiness[4], s.discord[4]) = std::tuple(happiness, discord);
        memberreport(game);
        EXPECT_EQ(last(), std::string("Member 4 is ") + report);
    }
    s.membersex[4] = "Male";
    memberreport(game);
    EXPECT_EQ(last(), "Member 4 is unhappy. He is hated by the rest of the band. ");
    dialogs.answers = {false, true};
    sackmember(game); // No: kept, and SACK wants a new click
    sackmember(game);
    showmember(game, 2);
    applicant();
    sackmember(game);
    EXPECT_EQ(
        std::tuple(dialogs.shown[0].text, dialogs.shown[9].text, dialogs.shown.size()),
        std::tuple("Please select a band member", "Are you sure you want to sack Member 4?", 11u));
    EXPECT_EQ(std::tuple(s.membername[4], game.main.Selected, memberpanel(game).txtage),
              std::tuple("None", 0, ""));
}

TEST_F(GameTest, LessonsGiveTalentAtTheSeventhStepForTheirPrice) {
    auto& s = band();
    std::tie(s.lessons, s.cash) = std::tuple(Ints<4>{0, 0, 6, 0, 0}, 75);
    game.main.Selected = 2;
    dialogs.answers = {true, true, false, false, false};
    givelesson(game); // 6 to 7, with exactly the price
    givelesson(game); // with nothing left
    for (int slot : {1, 3, 4}) {
        game.main.Selected = static_cast<int16>(slot);
        givelesson(game); // No
    }
    Lines asked; // the questions from the name on: "It will cost £75 to give " comes first
    for (const auto& shown : dialogs.shown)
        asked.push_back(shown.kind == Shown::question ? shown.text.substr(26) : shown.text);
    EXPECT_EQ(asked,
              (Lines{"Member 2 a Guitar lesson. Go ahead?",
                     "Thanks to the lesson, Member 2 has become more talented!",
                     "Member 2 a Guitar lesson. Go ahead?",
                     "You don't have enough money for this lesson!",
                     "Member 1 a Singing lesson. Go ahead?", "Member 3 a Guitar lesson. Go ahead?",
                     "Member 4 a Drums lesson. Go ahead?"}));
    EXPECT_EQ(std::tie(s.lessons[2], s.talent[2], s.cash), std::tuple(0, 6, 0));
}

} // namespace
} // namespace quorvane::testing
