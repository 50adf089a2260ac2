// The random incidents of a week, in three stages whose draws are made in this order.
#include "turn/events.h"

#include <array>

namespace quorvane {

namespace {

constexpr int troublesome = 4; // members with an attitude below this may misbehave
constexpr int illnesschance = 1000;
constexpr int longestillness = 10;
constexpr int presschance = 100;
constexpr int famous = 500; // above this popularity the media call
constexpr int invitationchance = 10;

struct Incident {
    const char* text;
    int popularity; // added before the discord
    bool discord;
};

// Incident 3, the fight with the press, also moves popularity by a draw of its own.
const std::array<Incident, 6> incidents = {
    {{"", 0, false},
     {" was arrested for drink driving this week.", -50, false},
     {" has been heard critiscising another member of the band!", 0, true},
     {" got into a fight with a member of the press last night.", 0, true},
     {" refused to turn up for a band practise the other night.", 0, true},
     {" has been spreading viscious rumours about the band.", -60, true}}};

void misbehave(Game& game, int slot) {
    auto& s = game.state;
    const int number = draw(game.random, 5);
    const Incident& incident = incidents[static_cast<std::size_t>(number)];
    game.dialogs.message(s.membername[slot] + incident.text);
    add16(s.popularity, incident.popularity);
    if (incident.discord) add16(s.discord[slot], 1);
    if (number == 3) add16(s.popularity, 1 - below(game.random, 5));
}

// Attitude 2 misbehaves on a 1 in 2, attitude 3 on a 1 in 3; lower attitudes never draw a 1.
// Every slot is looked at, empty or not, until one member misbehaves.
void misbehaviour(Game& game) {
    for (int slot = 1; slot <= membercount; ++slot) {
        const int attitude = game.state.attitude[slot];
        if (attitude >= troublesome) continue;
        if (below(game.random, attitude) == 1) {
            misbehave(game, slot);
            return;
        }
    }
}

void illness(Game& game) {
    auto& s = game.state;
    for (int slot = 1; slot <= membercount; ++slot) {
        if (!s.occupied(slot) || draw(game.random, illnesschance) != 1) continue;
        const int weeks = draw(game.random, longestillness);
        s.illweeks[slot] = static_cast<int16>(weeks);
        game.dialogs.message(s.membername[slot] + " has fallen ill and will be out for about " +
                             std::to_string(weeks) + " weeks.");
        return;
    }
}

void press(Game& game) {
    auto& s = game.state;
    switch (draw(game.random, presschance)) {
    case 1:
        game.dialogs.message("A newspaper columnist wrote a very good piece about the band!");
        add16(s.popularity, below(game.random, 5) + 5);
        break;
    case 2:
        game.dialogs.message("A recent newspaper article questioned the talent of the band!");
        add16(s.popularity, -below(game.random, 5) - 5);
        break;
    case 3:
        game.dialogs.message("A few members of the band were invited to do a charity event this "
                             "week.");
        add16(s.popularity, below(game.random, 3) + 2);
        break;
    default:
        break;
    }
}

void media(Game& game) {
    if (game.state.popularity <= famous) return;
    const int call = draw(game.random, invitationchance);
    if (call > 2) return;
    game.state.invitation = static_cast<int16>(call);
    game.dialogs.message(call == 1 ? "You have been invited for a Radio interview!"
                                   : "You have been invited onto a cable T.V music show!");
    game.controls.interview = true;
}

} // namespace

void events(Game& game) {
    misbehaviour(game);
    illness(game);
    if (game.state.fullband()) {
        press(game);
        media(game);
    }
    if (game.state.popularity < 0) game.state.popularity = 0;
}

} // namespace quorvane
