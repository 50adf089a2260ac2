// The band's roster: applicants, hiring, leavers, the member panel, lessons.
#include "support/gamefixture.h"

namespace quorvane::testing {
namespace {

TEST_F(GameTest, AnApplicantIsDrawnInOrderDescribedAndHiredIntoTheLowestVacancy) {
    auto& s = game.state;
    std::tie(s.membername[1], s.illweeks[2], s.discord[2]) = std::tuple("A One", 2, 5);
    // age, sex, first name, surname, talent, charisma, attitude, looks, songwriting
    random.give({{6, 6}, {1, 2}, {26, 30}, {5, 30}, {2, 3}, {7, 10}, {6, 10}, {4, 10}, {3, 3}});
    update(game);
    EXPECT_EQ(game.controls.txtapplicant,
              "Keith Del Ray wants to join the band, he is a poor Guitar player, appears to have "
              "a good attitude and looks o.k. ");
    applicant(); // the refresh after the hire offers someone for slot 3
    hireapplicant(game);
    EXPECT_EQ(str(s.membername[2], s.membersex[2], s.memberage[2], s.talent[2], s.charisma[2],
                  s.attitude[2], s.looks[2], s.songwriting[2], s.happiness[2], s.discord[2],
                  s.illweeks[2], s.applicantslot),
              "Keith Del Ray Male 22 2 7 6 4 3 10 0 2 3");
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
        s.applicantslot = static_cast<int16>(v % 4 + 1);
        game.main.talent1 = game.main.attitude1 = game.main.looks1 = static_cast<int16>(v);
        EXPECT_EQ(applicantdescription(game), str("Aaron Johnson wants to join the band, she is a",
                                                  talent + std::string(players[v % 4]) +
                                                      ", appears to have " + attitude + looks));
    }
}

TEST_F(GameTest, ALeaverCostsPopularityAndMovesTheBandsMood) {
    const std::tuple<int, int, Ints<4>, const char*> rows[] = {
        // discord, popularity, happiness, then popularity and happiness after the guitarist
        // (qualities 14) leaves
        {0, 100, {0, 3, 10, 5, 4}, "72 0 6 1 0"}, // a friend: everyone loses 4
        {1, 20, {0, 6, 2, 6, 10}, "0 7 2 7 10"},  // a nuisance: the rest gain 1
        {7, 100, {0, 6, 2, 6, 9}, "72 10 2 10 10"}};
    for (const auto& [discord, popularity, before, after] : rows) {
        auto& s = band();
        std::tie(s.talent[2], s.charisma[2], s.looks[2], s.songwriting[2], s.attitude[2]) =
            std::tuple(3, 5, 4, 2, 9);
        std::tie(s.discord[2], s.popularity, s.happiness) = std::tuple(discord, popularity, before);
        game.main.Selected = 2;
        applicant();
        delete_member(game);
        EXPECT_EQ(str(s.popularity, s.happiness[1], s.happiness[2], s.happiness[3], s.happiness[4]),
                  after);
        EXPECT_EQ(str(s.membername[2], s.membersex[2], s.talent[2], s.charisma[2], s.attitude[2],
                      s.looks[2], s.songwriting[2], s.memberage[2]),
                  "None 0 0 0 0 0 0 20");
    }
}

TEST_F(GameTest, APickedMemberIsShownAndSackedOnlyWhenConfirmed) {
    auto& s = band();
    s.membername[2] = none;
    std::tie(s.memberage[4], s.membersex[4], s.talent[4], s.charisma[4], s.attitude[4],
             s.looks[4]) = std::tuple(21, "Female", 12, 6, 7, 8);
    listupdate(game);
    memberreport(game);
    showmember(game, 2); // the rows show slots 1, 3 and 4
    const MemberPanel p = memberpanel(game);
    EXPECT_EQ(str(p.txtage, p.txtsex, p.txtinstrument, p.txttalent, p.txtcharisma, p.txtattitude,
                  p.txtlooks),
              "21 Female Drums 12 6 7 8");
    dialogs.answers = {false, true};
    sackmember(game); // No: kept, and SACK wants a new click
    sackmember(game);
    showmember(game, 2);
    applicant();
    sackmember(game);
    EXPECT_EQ(std::tuple(dialogs.shown[0].text, dialogs.shown[1], dialogs.shown.size()),
              std::tuple("Please select a band member",
                         Shown{Shown::careful, "Are you sure you want to sack Member 4?"}, 3u));
    EXPECT_EQ(str(s.membername[4], game.main.Selected, memberpanel(game).txtage.size()),
              "None 0 0");
}

} // namespace
} // namespace quorvane::testing
