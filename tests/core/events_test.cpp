// The week's random events, stage by stage with their draws, and the promotion charge.
#include "support/gamefixture.h"
#include "turn/events.h"
#include "turn/promotion.h"

namespace quorvane::testing {
namespace {

using EventTest = GameTest;

TEST_F(EventTest, EachIncidentHasItsMessageAndItsCost) {
    const std::tuple<int, const char*, int, int> rows[] = {
        // incident, message, then popularity from 55 (kept at 0 or more) and discord
        {1, " was arrested for drink driving this week.", 5, 0},
        {2, " has been heard critiscising another member of the band!", 55, 1},
        {3, " got into a fight with a member of the press last night.", 52, 1},
        {4, " refused to turn up for a band practise the other night.", 55, 1},
        {5, " has been spreading viscious rumours about the band.", 0, 1}};
    fill(1, "Vic");
    for (const auto& [incident, text, popularity, discord] : rows) {
        auto& s = game.state;
        std::tie(s.attitude[1], s.discord[1], s.popularity) = std::tuple(2, 0, 55);
        random.give({{2, 2}, {incident, 5}}); // attitude 2 misbehaves on a 1
        if (incident == 3) random.give(5, 5); // the fight costs 1 - 4
        random.give(2, 1000);                 // the stage ended with slot 1; on to illness
        events(game);
        EXPECT_EQ(dialogs.messages().back(), std::string("Vic") + text);
        EXPECT_EQ(std::tie(s.popularity, s.discord[1]), std::tie(popularity, discord)) << incident;
    }
}

TEST_F(EventTest, TheStagesDrawInOrderAndEachStopsAtItsFirstIncident) {
    fillband();
    auto& s = game.state;
    s.attitude = {0, 1, 4, 3, 2}; // 1 never misbehaves, 4 draws nothing, 3 not this time, 2 does
    random.give({{1, 1}, {1, 3}, {2, 2}, {5, 5}});
    random.give({{2, 1000}, {1, 1000}, {7, 10}}); // slot 2 falls ill for 7 weeks
    random.give({{2, 100}, {5, 5}});              // a bad article costing 9
    events(game);
    EXPECT_EQ(dialogs.messages(),
              (Lines{"Member 4 has been spreading viscious rumours about the band.",
                     "Member 2 has fallen ill and will be out for about 7 weeks.",
                     "A recent newspaper article questioned the talent of the band!"}));
    EXPECT_EQ(std::tie(s.popularity, s.illweeks[2], s.discord[4]), std::tuple(100 - 60 - 9, 7, 1));
}

TEST_F(EventTest, APopularFullBandGetsPressAndInvitations) {
    const std::tuple<int, int, int, int, int, int, const char*> rows[] = {
        // press draw, its amount, popularity, invitation draw, then popularity and invitation
        {1, 1, 100, 0, 105, 0, "A newspaper columnist wrote a very good piece about the band!"},
        {3, 3, 497, 1, 501, 1, "You have been invited for a Radio interview!"},
        {4, 0, 501, 2, 501, 2, "You have been invited onto a cable T.V music show!"},
        {100, 0, 500, 0, 500, 0, ""},
        {50, 0, 800, 3, 800, 0, ""}};
    fillband();
    for (const auto& [press, amount, before, call, after, invitation, message] : rows) {
        auto& s = game.state;
        std::tie(s.popularity, s.invitation, game.controls.interview) =
            std::tuple(static_cast<int16>(before), 0, false);
        dialogs.shown.clear();
        random.give(2, 1000, 4);
        random.give(press, 100);
        if (press <= 3) random.give(amount, press == 3 ? 3 : 5);
        if (call) random.give(call, 10);
        events(game);
        EXPECT_EQ(std::tie(s.popularity, s.invitation), std::tie(after, invitation)) << press;
        EXPECT_EQ(game.controls.interview, invitation != 0);
        EXPECT_EQ(dialogs.shown.empty() ? "" : dialogs.shown.back().text, message);
    }
}

TEST_F(EventTest, PromotionIsChargedWeeklyWhenTheCashAllows) {
    const std::tuple<int, int, int, int> rows[] = {
        // option clicked (-1: none yet), cash, then cash and popularity from 100
        {-1, 50, 50, 100}, {0, 50, 50, 100},   {1, 100, 0, 100}, {1, 99, 99, 100},
        {2, 250, 0, 101},  {2, 249, 249, 100}, {3, 400, 0, 102}, {3, 399, 399, 100}};
    for (const auto& [option, cash, cashafter, popularity] : rows) {
        auto& s = game.state;
        std::tie(s.promotion, s.cash, s.popularity) = std::tuple(0, static_cast<int16>(cash), 100);
        if (option >= 0) choosepromotion(game, option);
        dialogs.shown.clear();
        chargepromotion(game);
        EXPECT_EQ(std::tie(s.cash, s.popularity), std::tie(cashafter, popularity)) << option;
        EXPECT_EQ(dialogs.messages(), cash == cashafter && option > 0
                                          ? Lines{"You cannot afford any promotion this week"}
                                          : Lines{});
    }
}

} // namespace
} // namespace quorvane::testing
