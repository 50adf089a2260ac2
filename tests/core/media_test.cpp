// Interviews and band holidays.
#include "media/holiday.h"
#include "media/interview.h"
#include "support/gamefixture.h"

namespace quorvane::testing {
namespace {

using MediaTest = GameTest;
using namespace std::chrono_literals;

TEST_F(MediaTest, InterviewsScoreCharismaLooksOnTVAndAttitude) {
    auto& s = game.state;
    fillband();
    s.charisma.fill(10);
    s.looks.fill(10);
    s.attitude.fill(1);
    s.invitation = 2; // TV: charisma then looks, member by member
    random.give(1, 10, 8);
    EXPECT_EQ(interviewscore(s, random), 4 * (1 + 1 + 9));
    random.give(10, 10, 8);
    EXPECT_EQ(interviewscore(s, random), 4 * (10 + 10 + 9));
    s.charisma.fill(1);
    s.attitude.fill(10);
    s.invitation = radio;
    random.give(1, 1, 4);
    random.give(20, 20);
    EXPECT_EQ(interviewscore(s, random), 4 + 24);
    s.membername[3] = none;
    s.charisma[3] = s.looks[3] = s.attitude[3] = 0; // a vacant slot still draws
    random.give({{1, 1}, {1, 1}, {1, 0}, {1, 1}, {1, 20}});
    EXPECT_EQ(interviewscore(s, random), 4 + 10 + 5);
}

TEST_F(MediaTest, EveryInterviewScoreGetsItsMessageAndAddsInFull) {
    // Charisma 1 earns 1 a member; each looks L earns L on TV; the radio bonus is 4 + k.
    const std::tuple<int, int, int, int, const char*> rows[] = {
        // invitation, attitude, k on the radio or L on TV, score, message
        {radio, 10, 11, 19, "The bands radio interview was pretty poor."},
        {radio, 10, 12, 20, "The radio interview was o.k"},
        {radio, 1, 16, 60, "The radio interview was o.k"},
        {radio, 1, 17, 61, "The radio interview was fantastic!"},
        {2, 10, 3, 16, "The bands appearance on a cable music show was quite poor."},
        {2, 10, 4, 20, "The band interview on a cable T.V show went o.k"},
        {2, 5, 9, 60, "The band interview on a cable T.V show went o.k"},
        {2, 1, 6, 64, "The bands appearance on a cable T.V show was fantastic!"},
    };
    auto& s = game.state;
    fillband();
    s.charisma.fill(1);
    for (const auto& [invitation, attitude, value, score, message] : rows) {
        s.attitude.fill(static_cast<int16>(attitude));
        s.looks.fill(static_cast<int16>(value));
        std::tie(s.invitation, s.popularity, game.controls.interview) =
            std::tuple(invitation, 100, true);
        for (int slot = 1; slot <= membercount; ++slot) {
            random.give(1, 1);
            if (invitation != radio) random.give(value, value);
        }
        if (invitation == radio) random.give(value, 20);
        dialogs.shown.clear();
        giveinterview(game);
        giveinterview(game); // the button is disabled after the first
        EXPECT_EQ(dialogs.messages(), Lines{message}) << score;
        EXPECT_EQ(s.popularity, 100 + score);
    }
}

TEST_F(MediaTest, AHolidayNeedsTheWholeBandAndThreeHundredPounds) {
    auto& s = game.state;
    fill(1, "Solo");
    s.cash = 0;
    bookholiday(game);
    fillband();
    s.cash = 299;
    bookholiday(game);
    s.cash = 600;
    dialogs.answers = {false};
    bookholiday(game);
    EXPECT_EQ(
        dialogs.shown,
        (std::vector<Shown>{
            {Shown::message, "You haven't got a full band to send on holiday.", Icon::warning},
            {Shown::message, "You can't afford to organise a band holiday, you need £300"},
            {Shown::question, "Go ahead and book a 2 week holiday?"}}));
    EXPECT_EQ(std::tie(s.cash, s.gamedate), std::tuple(600, Date{2001y / 9 / 1}));

    s.happiness = {0, 0, 5, 7, 10};
    s.tiredness = 3;
    dialogs.answers = {true, true};
    bookholiday(game);
    EXPECT_EQ(s.happiness, (Ints<membercount>{0, 4, 9, 10, 10}));
    EXPECT_EQ(s.gamedate, Date{2001y / 9 / 15});
    bookholiday(game);
    EXPECT_EQ(std::tie(s.cash, s.gamedate, s.tiredness), std::tuple(0, Date{2001y / 9 / 29}, 3));
}

} // namespace
} // namespace quorvane::testing
