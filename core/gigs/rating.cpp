// Rating a gig. The sums are taken wide and the rating stored saturated, so a band at
// the top of the popularity range still gets a rating instead of a wrapped one.
#include "gigs/rating.h"

#include "gigs/review.h"

namespace quorvane {

namespace {

constexpr int fullhappiness = 40; // four members at happiness 10 play at full strength
constexpr int repeatsinfull = 80; // a repeated track this good still counts each time

int songscore(const Module1& s) {
    int score = 0;
    for (int i = 1; i <= setlength; ++i) {
        const int quality = s.songquality[s.setlist[i]];
        score += quality;
        for (int j = 1; j <= setlength; ++j)
            if (j != i && s.setlist[j] == s.setlist[i] && quality < repeatsinfull) score -= quality;
    }
    return score;
}

// Weak talent or looks cost the band, strong ones win it points; each draw is 0..4.
int memberscore(const Module1& s, Random& random) {
    int score = 0;
    for (int slot = 1; slot <= membercount; ++slot) {
        if (s.talent[slot] < 3) score -= below(random, 5) + 2;
        if (s.talent[slot] > 7) score += below(random, 5) + 1;
        if (s.looks[slot] < 3) score -= below(random, 5) + 1;
        if (s.looks[slot] > 7) score += below(random, 5) + 1;
    }
    return score;
}

void clearsetlist(Game& game) {
    auto& form = *game.gig;
    form.tracks = {};
    form.trackcount = 0;
    for (int position = 1; position <= setlength; ++position)
        game.state.setlist[position] = 0;
}

} // namespace

int16 rategig(const Module1& s, int venue, Random& random) {
    long long score = songscore(s) + memberscore(s, random);
    long long happiness = 0;
    long long discord = 0;
    for (int slot = 1; slot <= membercount; ++slot) {
        happiness += s.happiness[slot];
        discord += s.discord[slot];
    }
    score += s.popularity - discord + s.venuerequirement[venue];
    score = floordiv(score * happiness, fullhappiness);
    if (score < 0) score = 0;
    return sat16(floordiv(score, 4));
}

int16 bestofset(const Module1& s) {
    int best = 1;
    for (int position = 2; position <= setlength; ++position)
        if (s.songquality[s.setlist[position]] > s.songquality[s.setlist[best]]) best = position;
    return s.setlist[best];
}

void playgig(Game& game) {
    auto& form = *game.gig;
    auto& s = game.state;
    if (!form.command4) return;
    form.gigrating = 0;
    if (form.trackcount < setlength) {
        game.dialogs.message("You must have a full list of songs!");
        return;
    }
    const int venue = form.checkindex;
    form.gigrating = rategig(s, venue, game.random);
    add16(s.popularity, form.gigrating);
    s.bestsong = bestofset(s);
    add16(s.cash, s.venuefee[venue]);
    clearsetlist(game);
    newspaper(game, form.gigrating);
}

} // namespace quorvane
