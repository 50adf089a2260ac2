// Track-title words and venues.
#include "state/tables.h"

namespace quorvane {

namespace {

// Every second word starts with a blank, so joining two words reads as two words.
const Texts<titlewordcount> firstwords = {
    "",       "Wild",    "Extremes of", "Troubled", "Blue",   "Cold",  "Hot",
    "Wicked", "Kickin'", "Twisted",     "Midnight", "Silent", "Funny", "Wierd",
    "Red",    "Morning", "Silver",      "World",    "Ugly",   "Black", "Shocked"};

const Texts<titlewordcount> secondwords = {
    "",          " Vibes",   " Velvet", " Metal",    " Beats",   " Terror",     " Love",
    " Emotions", " Grooves", " Music",  " Bass",     " Voltage", " Aggression", " Bliss",
    " Wonder",   " Pain",    " Anger",  " Serenity", " Funk",    " Party",      " Feelings"};

struct Venue {
    const char* name;
    int16 requirement;
    int16 fee;
};

const std::array<Venue, venuecount + 1> venues = {{{"", 0, 0},
                                                   {"The Rose and Crown", 3, 0},
                                                   {"The Queens Head", 60, 50},
                                                   {"Town Hall", 200, 100},
                                                   {"Nitro Nightclub", 260, 150},
                                                   {"The Plaza Music Hall", 310, 250}}};

} // namespace

void filltitlewords(Module1& state) {
    for (int i = 1; i <= titlewordcount; ++i) {
        state.titlefirst[i] = firstwords[i];
        state.titlesecond[i] = secondwords[i];
    }
    state.popularity = 1;
    state.songtimer = songidle;
}

void fillvenues(Module1& state) {
    for (int v = 1; v <= venuecount; ++v) {
        state.venuename[v] = venues[v].name;
        state.venuerequirement[v] = venues[v].requirement;
        state.venuefee[v] = venues[v].fee;
    }
}

std::string composetitle(const Module1& state, Random& random) {
    const int first = draw(random, titlewordcount);
    const int second = draw(random, titlewordcount);
    return state.titlefirst[first] + state.titlesecond[second];
}

} // namespace quorvane
