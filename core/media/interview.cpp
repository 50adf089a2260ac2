// Interviews only ever add to popularity. The messages leave 20 and 60 between their
// bands; both get the o.k. message, so every interview is reported.
#include "media/interview.h"

namespace quorvane {

int interviewscore(const Module1& s, Random& random) {
    const bool onradio = s.invitation == radio;
    int score = 0;
    for (int slot = 1; slot <= membercount; ++slot) {
        score += below(random, s.charisma[slot]) + 1;
        if (!onradio) score += below(random, s.looks[slot]) + 1;
        score += 10 - s.attitude[slot];
    }
    if (onradio) score += below(random, 20) + 5;
    return score;
}

std::string interviewmessage(int invitation, int score) {
    const bool onradio = invitation == radio;
    if (score < 20)
        return onradio ? "The bands radio interview was pretty poor."
                       : "The bands appearance on a cable music show was quite poor.";
    if (score <= 60)
        return onradio ? "The radio interview was o.k"
                       : "The band interview on a cable T.V show went o.k";
    return onradio ? "The radio interview was fantastic!"
                   : "The bands appearance on a cable T.V show was fantastic!";
}

void giveinterview(Game& game) {
    if (!game.controls.interview) return;
    const int score = interviewscore(game.state, game.random);
    game.dialogs.message(interviewmessage(game.state.invitation, score));
    add16(game.state.popularity, score);
    game.controls.interview = false;
}

} // namespace quorvane
