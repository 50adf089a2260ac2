// The weekly turn. Later steps read what earlier ones wrote, and the random draws are
// made in step order, so the order below is part of the rules.
#include "turn/nextweek.h"

#include "roster/departures.h"
#include "roster/practice.h"
#include "songs/demo.h"
#include "songs/songwriting.h"
#include "state/refresh.h"
#include "turn/events.h"
#include "turn/promotion.h"

namespace quorvane {

namespace {

constexpr int leavingchance = 5; // a member at happiness 0 leaves on a 1 in 5
constexpr int maxwage = 3;       // each member costs 1 to 3 pounds a week

void offerpractice(Game& game) {
    if (!game.state.fullband()) return;
    if (!game.dialogs.ask("Do you want the band to practise?")) return;
    if (game.state.tiredness <= 0 ||
        game.dialogs.askcarefully("The band is tired, make them practise anyway?"))
        practise(game);
}

void countdownillness(Module1& state) {
    for (int slot = 1; slot <= membercount; ++slot)
        if (state.illweeks[slot] > 0) --state.illweeks[slot];
}

void checkmoods(Game& game) {
    auto& s = game.state;
    for (int slot = 1; slot <= membercount; ++slot) {
        if (s.occupied(slot) && s.happiness[slot] == 1)
            game.dialogs.message(s.membername[slot] + " is unhappy.");
        if (s.occupied(slot) && s.happiness[slot] == 0 && draw(game.random, leavingchance) == 1) {
            const std::string leaver = s.membername[slot];
            game.main.Selected = static_cast<int16>(slot);
            delete_member(game);
            game.dialogs.message(leaver + " has decided to leave the band! The rest of the band "
                                          "is in a state of shock.");
        }
    }
}

void advancesong(Game& game) {
    auto& s = game.state;
    if (s.songtimer < songidle) --s.songtimer;
    if (s.songtimer <= 0) {
        makesong(game);
        s.songtimer = songidle;
    }
}

int drawwages(Game& game) {
    int cost = 0;
    for (int slot = 1; slot <= membercount; ++slot)
        if (game.state.occupied(slot)) cost += draw(game.random, maxwage);
    return cost;
}

void drawvenues(Game& game) {
    for (int venue = 1; venue <= venuecount; ++venue)
        game.state.venueopen[venue] = draw(game.random, 2) == 1 ? vbtrue : vbfalse;
}

} // namespace

void nextweek(Game& game) {
    auto& s = game.state;
    offerpractice(game);
    chargepromotion(game);
    countdownillness(s);
    checkmoods(game);
    advancesong(game);
    s.invitation = 0;
    game.controls.interview = false;
    s.tiredness = s.tiredness - 1 <= 0 ? 0 : static_cast<int16>(s.tiredness - 1);
    s.applicantsthisweek = 0;
    s.gamedate = adddays(s.gamedate, 7);
    const int weeklycost = drawwages(game);
    if (weeklycost > s.cash) {
        game.dialogs.message("You don't have enough money to pay the band and expenses! "
                             "Therefore the band has quit to find a new manager.");
        return;
    }
    add16(s.cash, -weeklycost);
    drawvenues(game);
    if (game.main.demo) demoverdict(game);
    game.controls.command4 = true;
    events(game);
    update(game);
}

} // namespace quorvane
