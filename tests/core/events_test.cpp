// The week's random events, stage by stage with their draws, and the promotion charge.
#include "support/gamefixture.h"
#include "turn/events.h"
#include "turn/promotion.h"

namespace quorvane::testing {
namespace {

using EventTest = GameTest;

TEST_F(EventTest, EachIncidentHasItsMessageAndItsCost) {
    struct Row {
        int incident;
        const char* text;
        int popularity, discord;
    };
    const Row rows[] = {{1, " was arrested for drink driving this week.", 5, 0},
                        {2, " has been heard critiscising another member of the band!", 55, 1},
                        {3, " got into a fight with a member of the press last night.", 52, 1},
                        {4, " refused to turn up for a band practise the other night.", 55, 1},
                        {5, " has been spreading viscious rumours about the band.", 0, 1}};
    for (const Row& row : rows) {
        fill(1, "Vic");
        auto& s = game.state;
        s.attitude[1] = 2;
        s.discord[1] = 0;
        s.popularity = 55;
        random.give(2, 2); // attitude 2 misbehaves on a 1
        random.give(row.incident, 5);
        if (row.incident == 3) random.give(5, 5); // the fight costs 1 - 4
        random.give(2, 1000); // only slot 1 is examined: the stage ends with an incident
        events(game);
        EXPECT_EQ(dialogs.messages().back(), std::string("Vic") + row.text);
        EXPECT_EQ(std::tie(s.popularity, s.discord[1]), std::tuple(row.popularity, row.discord))
            << "incident " << row.incident << ", popularity kept at 0 or more";
    }
}

TEST_F(EventTest, TheStagesDrawInOrderAndEachStopsAtItsFirstIncident) {
    fillband();
    auto& s = game.state;
    s.attitude = {0, 1, 4, 3, 2};
    random.give(1, 1);    // attitude 1 can never misbehave
    random.give(1, 3);    // attitude 4 draws nothing; attitude 3 does not misbehave this time
    random.give(2, 2);    // attitude 2 does:
    random.give(5, 5);    // rumours
    random.give(2, 1000); // slot 1 stays well,
    random.give(1, 1000); // slot 2 falls ill
    random.give(7, 10);   // for 7 weeks; the rest are not examined
    random.give(2, 100);  // a bad article
    random.give(5, 5);    // costing 9
    events(game);
    EXPECT_EQ(dialogs.messages(),
              (Lines{"Member 4 has been spreading viscious rumours about the band.",
                     "Member 2 has fallen ill and will be out for about 7 weeks.",
                     "A recent newspaper article questioned the talent of the band!"}));
    EXPECT_EQ(std::tie(s.popularity, s.illweeks[2], s.discord[4]), std::tuple(100 - 60 - 9, 7, 1));
}

TEST_F(EventTest, APopularFullBandGetsPressAndInvitations) {
    struct Row {
        int press, amount, before, call, after, invitation;
        const char* message;
    };
    const Row rows[] = {
        {1, 1, 100, 0, 105, 0, "A newspaper columnist wrote a very good piece about the band!"},
        {3, 3, 497, 1, 501, 1, "You have been invited for a Radio interview!"},
        {4, 0, 501, 2, 501, 2, "You have been invited onto a cable T.V music show!"},
        {100, 0, 500, 0, 500, 0, ""},
        {50, 0, 800, 3, 800, 0, ""}};
    fillband();
    for (const Row& r : rows) {
        auto& s = game.state;
        s.popularity = static_cast<int16>(r.before);
        s.invitation = 0;
        game.controls.interview = false;
        dialogs.shown.clear();
        random.give(2, 1000, 4);
        random.give(r.press, 100);
        if (r.press <= 3) random.give(r.amount, r.press == 3 ? 3 : 5);
        if (r.call) random.give(r.call, 10);
        events(game);
        SCOPED_TRACE("press " + std::to_string(r.press) + ", popularity " +
                     std::to_string(r.before));
        EXPECT_EQ(std::tie(s.popularity, s.invitation), std::tuple(r.after, r.invitation));
        EXPECT_EQ(game.controls.interview, r.invitation != 0);
        EXPECT_EQ(dialogs.shown.empty() ? "" : dialogs.shown.back().text, r.message);
    }
}

TEST_F(EventTest, PromotionIsChargedWeeklyWhenTheCashAllows) {
    struct Row {
        int option, cash, cashafter, popularity;
    };
    const Row rows[] = {{-1, 50, 50, 100}, {0, 50, 50, 100},  {1, 100, 0, 100},
                        {1, 99, 99, 100},  {2, 250, 0, 101},  {2, 249, 249, 100},
                        {3, 400, 0, 102},  {3, 399, 399, 100}};
    for (const Row& r : rows) {
        auto& s = game.state;
        s.promotion = 0; // never chosen
        if (r.option >= 0) choosepromotion(game, r.option);
        s.cash = static_cast<int16>(r.cash);
        s.popularity = 100;
        dialogs.shown.clear();
        chargepromotion(game);
        SCOPED_TRACE("option " + std::to_string(r.option) + " with £" + std::to_string(r.cash));
        EXPECT_EQ(std::tie(s.cash, s.popularity), std::tuple(r.cashafter, r.popularity));
        EXPECT_EQ(dialogs.messages(), r.cash == r.cashafter && r.option > 0
                                          ? Lines{"You cannot afford any promotion this week"}
                                          : Lines{});
    }
}

} // namespace
} // namespace quorvane::testing
