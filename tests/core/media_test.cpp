// The media and holidays: what an interview scores and says, who the media call, and what a
// holiday costs and gives.
#include "support/gamefixture.h"

namespace quorvane::testing {

TEST_F(GameTest, AnInterviewScoresCharismaLooksOnTVAndAttitudeAndSaysHowItWent) {
    // Charisma c draws 1..c and, on TV, looks l draw 1..l; attitude a earns 10 - a; the radio
    // adds 5..24. Slot 3 is as a vacancy leaves it.
    auto& s = band();
    s.charisma = {0, 1, 10, 0, 4};
    s.looks = {0, 2, 10, 0, 4};
    s.attitude = {0, 1, 10, 0, 4};
    random.give({{1, 1}, {1, 2}, {10, 10}, {10, 10}, {1, 0}, {1, 0}, {4, 4}, {2, 4}});
    EXPECT_EQ(interviewscore(s, random), 55); // 1 + 1 + 9, 10 + 10 + 0, 1 + 1 + 10, 4 + 2 + 6
    s.invitation = radio;
    game.controls.interview = true;
    random.give({{1, 1}, {10, 10}, {1, 0}, {3, 4}, {20, 20}});
    giveinterview(game); // 1 + 9, 10 + 0, 1 + 10, 3 + 6, and 24
    EXPECT_EQ(s.popularity, 164);
    EXPECT_EQ(last(), "The radio interview was fantastic!");
    struct Words {
        int invitation, score;
        const char* text;
    };
    // Poor below 20, fantastic above 60.
    const Words words[] = {{radio, 19, "The bands radio interview was pretty poor."},
                           {radio, 20, "The radio interview was o.k"},
                           {2, 19, "The bands appearance on a cable music show was quite poor."},
                           {2, 60, "The band interview on a cable T.V show went o.k"},
                           {2, 61, "The bands appearance on a cable T.V show was fantastic!"}};
    for (const Words& row : words) {
        const std::string text = interviewmessage(row.invitation, row.score);
        logshown(text); // as play shows it, for the check that every message is shown
        EXPECT_EQ(text, row.text);
    }
}

TEST_F(GameTest, TheMediaCallOnlyABandAboveFiveHundredByTheRadioOrTheTVAsDrawn) {
    auto& s = band();
    s.popularity = 500;
    // A quiet week, and no call: a draw for one would find no number scripted.
    random.give({{2, 1000}, {2, 1000}, {2, 1000}, {2, 1000}, {4, 100}});
    events(game);
    s.popularity = 501; // now a 1 in 10 is the radio, a 2 the TV
    random.give({{2, 1000}, {2, 1000}, {2, 1000}, {2, 1000}, {4, 100}, {2, 10}});
    events(game);
    EXPECT_EQ(s.invitation, 2);
    EXPECT_EQ(last(), "You have been invited onto a cable T.V music show!");
}

TEST_F(GameTest, AHolidayForAWholeBandCostsExactlyThreeHundredPoundsAndLiftsMoodsUpToTen) {
    auto& s = band();
    s.cash = 299;
    s.membername[3] = none;
    bookholiday(game); // the band is looked at first
    EXPECT_EQ(last(), "You haven't got a full band to send on holiday.");
    EXPECT_EQ(dialogs.shown.back().icon, Icon::warning);
    s.membername[3] = "Member 3";
    bookholiday(game);
    EXPECT_EQ(last(), "You can't afford to organise a band holiday, you need £300");
    s.cash = 300;
    s.happiness[1] = 5;
    dialogs.answers = {true};
    bookholiday(game);
    EXPECT_EQ(s.cash, 0);
    EXPECT_EQ(s.gamedate, std::chrono::year{2001} / std::chrono::September / 15);
    EXPECT_EQ(s.happiness[1], 9);
    EXPECT_EQ(s.happiness[2], 10);
}

} // namespace quorvane::testing
