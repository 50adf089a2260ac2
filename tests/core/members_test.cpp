// Members: picking one, the panel and the report, sacking, and how the band takes a departure.
#include "roster/departures.h"
#include "roster/memberdetails.h"
#include "state/refresh.h"
#include "support/gamefixture.h"

namespace quorvane::testing {
namespace {

class MemberTest : public GameTest {
protected:
    // The guitarist, with talent 3, charisma 5, looks 4 and songwriting 2, leaves.
    void leave(int popularity, int discord, Ints<4> happiness) {
        fillband();
        auto& s = game.state;
        s.talent[2] = 3;
        s.songwriting[2] = 2;
        s.looks[2] = 4;
        s.popularity = static_cast<int16>(popularity);
        s.discord[2] = static_cast<int16>(discord);
        s.happiness = happiness;
        game.main.Selected = 2;
        applicant();
        delete_member(game);
    }
};

TEST_F(MemberTest, PickingAMemberShowsTheirNumbersAndEnablesSacking) {
    fill(1, "Vic Vocals");
    fill(4, "Dee Drums");
    game.state.memberage[4] = 19;
    game.state.talent[4] = 12;
    listupdate(game);
    showmember(game, 1);
    EXPECT_EQ(game.main.Selected, 4);
    EXPECT_TRUE(game.controls.Command2);
    const MemberPanel p = memberpanel(game);
    EXPECT_EQ((Lines{p.txtage, p.txtsex, p.txtinstrument, p.txttalent, p.txtcharisma, p.txtattitude,
                     p.txtlooks}),
              (Lines{"19", "Male", "Drums", "12", "5", "5", "5"}));
    showmember(game, -1);
    EXPECT_EQ(memberpanel(game).txtinstrument, "");
    EXPECT_FALSE(game.controls.Command2);
    selectsong(game, 2);
    EXPECT_EQ(game.main.selectedsong, 3);
}

TEST_F(MemberTest, TheReportPutsMoodAndStandingIntoWords) {
    const std::tuple<int, int, const char*, std::string> rows[] = {
        {10, 0, "Male",
         "Ann is very happy. He gets on really well with other members of the band."},
        {9, 2, "Female",
         "Ann is very happy. She gets on really well with other members of the band."},
        {8, 3, "Male", "Ann is quite happy. He gets on pretty well with other band members. "},
        {7, 4, "Male", "Ann is quite happy. He gets on pretty well with other band members. "},
        {6, 5, "Male", "Ann is content. He is tolerated by the band. "},
        {4, 6, "Male", "Ann is content. He is tolerated by the band. "},
        {3, 7, "Male", "Ann is unhappy. He is hated by the rest of the band. "},
        {1, 9, "Female", "Ann is unhappy. She is hated by the rest of the band. "}};
    game.state.membername[1] = "Ann";
    for (const auto& [happiness, discord, sex, report] : rows) {
        game.state.happiness[1] = static_cast<int16>(happiness);
        game.state.discord[1] = static_cast<int16>(discord);
        game.state.membersex[1] = sex;
        EXPECT_EQ(moodreport(game.state, 1), report) << "happiness " << happiness;
    }
    memberreport(game);
    game.main.Selected = 1;
    memberreport(game);
    EXPECT_EQ(dialogs.messages(), (Lines{"Please select a band member", std::get<3>(rows[7])}));
}

TEST_F(MemberTest, SackingAsksFirstAndAVacatedSlotIsNoSelection) {
    fillband();
    listupdate(game);
    showmember(game, 1);
    dialogs.answers = {false, true};
    sackmember(game);
    EXPECT_EQ(game.state.membername[2], "Member 2") << "No keeps the member";
    EXPECT_FALSE(game.controls.Command2) << "but the button needs a new click";
    sackmember(game);
    EXPECT_EQ(dialogs.shown.size(), 1u) << "a disabled button does nothing";
    showmember(game, 1);
    applicant();
    sackmember(game);
    EXPECT_EQ(dialogs.shown.back(),
              (Shown{Shown::question, "Are you sure you want to sack Member 2?"}));
    EXPECT_EQ(game.controls.members, (Lines{"Member 1", "Member 3", "Member 4"}));
    EXPECT_NE(game.controls.txtapplicant.find("Guitar player"), std::string::npos);
    EXPECT_EQ(std::tie(game.main.Selected, game.controls.Command2), std::tuple(0, false));

    game.main.Selected = 2; // named by a week's departure, say
    memberreport(game);
    EXPECT_EQ(dialogs.messages().back(), "Please select a band member");
    EXPECT_EQ(memberpanel(game).txtage, "");
}

TEST_F(MemberTest, TheLeaverTakesTwiceTheirQualitiesInPopularity) {
    leave(100, 0, {0, 10, 10, 10, 10});
    const auto& s = game.state;
    EXPECT_EQ(s.popularity, 100 - 2 * 14);
    EXPECT_EQ(std::tie(s.membername[2], s.membersex[2]), std::tuple("None", "0"));
    EXPECT_EQ(s.talent[2] + s.charisma[2] + s.attitude[2] + s.looks[2] + s.songwriting[2], 0);
    leave(20, 0, {0, 10, 10, 10, 10});
    EXPECT_EQ(game.state.popularity, 0) << "never below zero";
}

TEST_F(MemberTest, TheBandMournsAFriendAndCheersAtATroublemaker) {
    leave(100, 0, {0, 3, 10, 5, 4});
    EXPECT_EQ(game.state.happiness, (Ints<4>{0, 0, 6, 1, 0})) << "discord 0";
    leave(100, 7, {0, 6, 2, 6, 9});
    EXPECT_EQ(game.state.happiness, (Ints<4>{0, 10, 2, 10, 10})) << "discord 7";
    leave(100, 1, {0, 6, 2, 6, 10});
    EXPECT_EQ(game.state.happiness, (Ints<4>{0, 7, 2, 7, 10})) << "discord 1";
}

} // namespace
} // namespace quorvane::testing
