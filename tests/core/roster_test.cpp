// Applicants: drawn in order, described and hired; the soak holds leavers, the member panel,
// lessons and the week's limits to the rules.
#include "support/gamefixture.h"

namespace quorvane::testing {

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

} // namespace quorvane::testing
