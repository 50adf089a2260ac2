// Members: picking one, the panel and the report, sacking, and how the band takes a departure.
#include "roster/departures.h"
#include "roster/memberdetails.h"
#include "state/refresh.h"
#include "support/gamefixture.h"

namespace quorvane::testing {
namespace {

using MemberTest = GameTest;

TEST_F(MemberTest, ALeaverCostsPopularityAndMovesTheBandsMood) {
    const std::tuple<int, int, Ints<4>, int, Ints<4>> rows[] = {
        // discord, popularity, happiness, then after the guitarist (qualities 14) leaves
        {0, 100, {0, 3, 10, 5, 4}, 72, {0, 0, 6, 1, 0}}, // a friend: everyone loses 4
        {1, 20, {0, 6, 2, 6, 10}, 0, {0, 7, 2, 7, 10}},  // a nuisance: the rest gain 1
        {7, 100, {0, 6, 2, 6, 9}, 72, {0, 10, 2, 10, 10}}};
    for (const auto& [discord, popularity, before, after, mood] : rows) {
        fillband();
        auto& s = game.state;
        s.talent[2] = 3;
        s.looks[2] = 4;
        std::tie(s.discord[2], s.popularity, s.happiness) =
            std::tuple(static_cast<int16>(discord), static_cast<int16>(popularity), before);
        game.main.Selected = 2;
        applicant();
        delete_member(game);
        EXPECT_EQ(std::tie(s.popularity, s.happiness), std::tie(after, mood))
            << "discord " << discord;
        EXPECT_EQ(std::tie(s.membername[2], s.membersex[2], s.talent[2], s.looks[2]),
                  std::tuple("None", "0", 0, 0));
    }
}

TEST_F(MemberTest, TheReportPutsMoodAndStandingIntoWords) {
    const std::tuple<int, int, const char*, std::string> rows[] = {
        {10, 0, "Male", "very happy. He gets on really well with other members of the band."},
        {9, 2, "Female", "very happy. She gets on really well with other members of the band."},
        {8, 3, "Male", "quite happy. He gets on pretty well with other band members. "},
        {7, 4, "Male", "quite happy. He gets on pretty well with other band members. "},
        {6, 5, "Male", "content. He is tolerated by the band. "},
        {4, 6, "Male", "content. He is tolerated by the band. "},
        {3, 7, "Male", "unhappy. He is hated by the rest of the band. "},
        {1, 9, "Female", "unhappy. She is hated by the rest of the band. "}};
    game.state.membername[1] = "Ann";
    for (const auto& [happiness, discord, sex, report] : rows) {
        auto& s = game.state;
        std::tie(s.happiness[1], s.discord[1], s.membersex[1]) =
            std::tuple(static_cast<int16>(happiness), static_cast<int16>(discord), sex);
        game.main.Selected = 1;
        memberreport(game);
        EXPECT_EQ(dialogs.messages().back(), "Ann is " + report) << "happiness " << happiness;
    }
}

TEST_F(MemberTest, APickedMemberIsShownSackedOnlyWhenConfirmedAndThenPickedNoMore) {
    fillband();
    game.state.talent[4] = 12;
    listupdate(game);
    memberreport(game);
    showmember(game, 3);
    const MemberPanel p = memberpanel(game);
    EXPECT_EQ((Lines{p.txtage, p.txtsex, p.txtinstrument, p.txttalent, p.txtcharisma, p.txtattitude,
                     p.txtlooks}),
              (Lines{"0", "Male", "Drums", "12", "5", "5", "5"}));
    selectsong(game, 2);
    EXPECT_EQ(game.main.selectedsong, 3);

    showmember(game, 1);
    dialogs.answers = {false, true};
    sackmember(game); // No: kept, but the button wants a new click
    sackmember(game);
    showmember(game, 1);
    applicant();
    sackmember(game);
    EXPECT_EQ(dialogs.shown,
              (std::vector<Shown>{{Shown::message, "Please select a band member"},
                                  {Shown::question, "Are you sure you want to sack Member 2?"},
                                  {Shown::question, "Are you sure you want to sack Member 2?"}}));
    EXPECT_EQ(game.controls.members, (Lines{"Member 1", "Member 3", "Member 4"}));
    EXPECT_NE(game.controls.txtapplicant.find("Guitar player"), std::string::npos);
    EXPECT_EQ(std::tie(game.main.Selected, game.controls.Command2), std::tuple(0, false));
    game.main.Selected = 2; // named by a week's departure, say: still no one
    EXPECT_EQ(memberpanel(game).txtage, "");
}

} // namespace
} // namespace quorvane::testing
