// The band's roster: applicants, hiring, leavers, the member panel and report, training.
#include "roster/applicants.h"
#include "roster/departures.h"
#include "roster/memberdetails.h"
#include "roster/practice.h"
#include "state/refresh.h"
#include "support/gamefixture.h"

namespace quorvane::testing {
namespace {

using RosterTest = GameTest;

TEST_F(RosterTest, AnApplicantIsDrawnInOrderAndDescribedInOneSentence) {
    // age, sex, first name, surname, talent, charisma, attitude, looks, songwriting
    random.give({{6, 6}, {1, 2}, {26, 30}, {5, 30}, {2, 3}, {7, 10}, {6, 10}, {4, 10}, {3, 3}});
    game.state.applicantslot = 2;
    newapplicant(game);
    const auto& a = game.main;
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
    game.main.sex1 = "Female";
    for (const auto& [value, talent, attitude, looks] : words) {
        const int v = std::stoi(value);
        game.state.applicantslot = static_cast<int16>(v % 4 + 1);
        game.main.talent1 = game.main.attitude1 = game.main.looks1 = static_cast<int16>(v);
        EXPECT_EQ(applicantdescription(game), "Keith Del Ray wants to join the band, she is a " +
                                                  std::string(talent) + players[v % 4] +
                                                  ", appears to have " + attitude + looks);
    }
}

TEST_F(RosterTest, HireFillsTheLowestVacancyAndTheWeeksLimitsHoldExactly) {
    auto& s = game.state;
    s.membername[1] = "A One";
    s.illweeks[2] = 2;
    applicant();
    update(game);
    applicant(); // the refresh after the hire offers someone for slot 3
    hireapplicant(game);
    EXPECT_EQ(std::tie(s.membername[2], s.membersex[2], s.memberage[2], s.talent[2], s.charisma[2],
                       s.attitude[2], s.looks[2], s.songwriting[2], s.happiness[2], s.discord[2],
                       s.illweeks[2]),
              std::tuple("Aaron Johnson", "Male", 17, 1, 1, 1, 1, 1, 10, 0, 2));
    EXPECT_EQ(std::tie(s.applicantsthisweek, s.applicantslot), std::tuple(1, 3));
    EXPECT_EQ(game.controls.members, (Lines{"A One", "Aaron Johnson"}));
    for (int i = 0; i < 2; ++i) {
        applicant();
        dismissapplicant(game);
    }
    dismissapplicant(game); // the counter is at 3: refused
    const auto& c = game.controls;
    EXPECT_EQ(std::tie(s.applicantsthisweek, c.txtapplicant, c.hire, c.dismiss),
              std::tuple(3, "", false, false));
    hireapplicant(game);
    EXPECT_EQ(s.membername[3], none) << "a disabled HIRE hires nobody";
    applicant();
    update(game);
    s.applicantsthisweek = 4;
    applicant();
    hireapplicant(game); // 4 to 5: hired, then told
    applicant();
    dismissapplicant(game); // 5 to 6: past the limit, accepted again
    EXPECT_EQ(std::tie(s.membername[3], s.applicantsthisweek, s.applicantslot),
              std::tuple("Aaron Johnson", 6, 4));
    EXPECT_EQ(dialogs.messages(), Lines(2, "No more applicants this week."));
    s.membername[4] = "D Four";
    update(game);
    EXPECT_EQ(std::tie(c.txtapplicant, c.hire, s.applicantslot),
              std::tuple("No Applicants", false, 4));
}

TEST_F(RosterTest, ALeaverCostsPopularityAndMovesTheBandsMood) {
    const std::tuple<int, int, Ints<4>, int, Ints<4>> rows[] = {
        // discord, popularity, happiness, then after the guitarist (qualities 14) leaves
        {0, 100, {0, 3, 10, 5, 4}, 72, {0, 0, 6, 1, 0}}, // a friend: everyone loses 4
        {1, 20, {0, 6, 2, 6, 10}, 0, {0, 7, 2, 7, 10}},  // a nuisance: the rest gain 1
        {7, 100, {0, 6, 2, 6, 9}, 72, {0, 10, 2, 10, 10}}};
    for (const auto& [discord, popularity, before, after, mood] : rows) {
        auto& s = band();
        std::tie(s.talent[2], s.charisma[2], s.looks[2], s.songwriting[2]) = std::tuple(3, 5, 4, 2);
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

TEST_F(RosterTest, APickedMemberIsShownAndSackedOnlyWhenConfirmed) {
    auto& s = band();
    s.membername[2] = none;
    std::tie(s.memberage[4], s.membersex[4], s.talent[4], s.charisma[4], s.attitude[4],
             s.looks[4]) = std::tuple(21, "Female", 12, 6, 7, 8);
    listupdate(game);
    memberreport(game);
    showmember(game, 2); // rows show slots 1, 3 and 4
    const MemberPanel p = memberpanel(game);
    EXPECT_EQ((Lines{p.txtage, p.txtsex, p.txtinstrument, p.txttalent, p.txtcharisma, p.txtattitude,
                     p.txtlooks}),
              (Lines{"21", "Female", "Drums", "12", "6", "7", "8"}));
    dialogs.answers = {false, true};
    sackmember(game); // No: kept, and SACK wants a new click
    sackmember(game);
    showmember(game, 2);
    applicant();
    sackmember(game);
    EXPECT_EQ(dialogs.shown,
              (std::vector<Shown>{{Shown::message, "Please select a band member"},
                                  {Shown::question, "Are you sure you want to sack Member 4?"},
                                  {Shown::question, "Are you sure you want to sack Member 4?"}}));
    EXPECT_EQ(game.controls.members, (Lines{"Member 1", "Member 3"}));
    EXPECT_EQ(std::tie(game.main.Selected, game.controls.Command2), std::tuple(0, false));
    game.main.Selected = 4; // named by a week's departure: still nobody to show
    EXPECT_EQ(memberpanel(game).txtage, "");
}

TEST_F(RosterTest, TheReportPutsMoodAndStandingIntoWords) {
    const std::tuple<int, int, const char*, const char*> rows[] = {
        {10, 0, "Male", "very happy. He gets on really well with other members of the band."},
        {9, 2, "Female", "very happy. She gets on really well with other members of the band."},
        {8, 3, "Male", "quite happy. He gets on pretty well with other band members. "},
        {7, 4, "Male", "quite happy. He gets on pretty well with other band members. "},
        {6, 5, "Male", "content. He is tolerated by the band. "},
        {4, 6, "Male", "content. He is tolerated by the band. "},
        {3, 7, "Male", "unhappy. He is hated by the rest of the band. "},
        {1, 9, "Female", "unhappy. She is hated by the rest of the band. "}};
    auto& s = band();
    game.main.Selected = 1;
    for (const auto& [happiness, discord, sex, report] : rows) {
        std::tie(s.happiness[1], s.discord[1], s.membersex[1]) =
            std::tuple(static_cast<int16>(happiness), static_cast<int16>(discord), sex);
        memberreport(game);
        EXPECT_EQ(dialogs.messages().back(), std::string("Member 1 is ") + report);
    }
}

TEST_F(RosterTest, PracticeAndLessonsGiveTalentAtTheSeventhStep) {
    auto& s = band();
    s.lessons = {0, 5, 5, 6, 0};
    random.give({{2, 4}, {1, 2}, {3, 4}, {2, 2}}); // member 2 a step, 5 to 6; member 3 two, to 8
    practise(game);
    practise(game);
    game.main.Selected = 2;
    s.cash = 75;
    dialogs.answers = {true, true, false, false, false};
    givelesson(game); // 6 to 7, with exactly the price
    givelesson(game); // with nothing left
    for (int slot : {1, 3, 4}) {
        game.main.Selected = static_cast<int16>(slot);
        givelesson(game); // No
    }
    EXPECT_EQ(dialogs.messages(), (Lines{"Thanks to practising, Member 3 has become more talented!",
                                         "Thanks to the lesson, Member 2 has become more talented!",
                                         "You don't have enough money for this lesson!"}));
    Lines asked;
    for (const auto& shown : dialogs.shown)
        if (shown.kind == Shown::question) asked.push_back(shown.text);
    auto ask = [](int member, const char* subject) {
        return "It will cost £75 to give Member " + std::to_string(member) + " a " + subject +
               " lesson. Go ahead?";
    };
    EXPECT_EQ(asked, (Lines{ask(2, "Guitar"), ask(2, "Guitar"), ask(1, "Singing"), ask(3, "Guitar"),
                            ask(4, "Drums")}));
    EXPECT_EQ(std::tie(s.lessons, s.talent, s.tiredness, s.cash),
              std::tuple(Ints<4>{0, 5, 0, 0, 0}, Ints<4>{0, 5, 6, 6, 5}, 4, 0));
}

} // namespace
} // namespace quorvane::testing
