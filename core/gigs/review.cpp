// The review tiers and the article. The ratings 50, 150 and 200 lie between the tiers'
// ranges; each goes to the tier above, so every gig gets a fresh review.
#include "gigs/review.h"

#include "state/refresh.h"

#include <array>

namespace quorvane {

namespace {

constexpr int upsetbelow = 20;

void upsetmember(Game& game) {
    const int slot = draw(game.random, membercount);
    add16(game.state.happiness[slot], -1);
    game.dialogs.message(game.state.membername[slot] +
                         " was extremely unhappy with the bands performance.");
}

} // namespace

std::string reviewtext(const std::string& band, int rating, int choice) {
    const bool first = choice == 1;
    if (rating < 50)
        return first ? band + " played a terrible set last night. Lets hope they improve vastly "
                              "in the near future, or there may be no future for them!"
                     : "The band " + band +
                           " were the target of an angry crowd last night as their poor "
                           "performance left many people asking why they even turned up!";
    if (rating < 150)
        return first ? band + " played a poor gig last night although there were flashes of "
                              "promise from certain individuals."
                     : "The band " + band +
                           " performed a less than average gig last night, prompting "
                           "discussion about their future.";
    if (rating < 200)
        return first ? band + " played a pretty good gig last night, although many agreed they "
                              "are far off the finished article."
                     : "New band " + band +
                           " performed an average gig last night, nothing special but the fans "
                           "were happy.";
    return first ? band + " played an excellent gig last night, the crowd loved every minute."
                 : "New band " + band + " performed a exceptional gig last night.";
}

void newspaper(Game& game, int16 gigrating) {
    if (gigrating < upsetbelow) upsetmember(game);
    game.state.gigreview = reviewtext(game.state.bandname, gigrating, draw(game.random, 2));
    game.gig.reset();
    game.screens.close(Screen::gig);
    game.controls.command4 = false;
    openmagazine(game);
}

std::string magazinetext(Game& game) {
    static const std::array<const char*, 5> endings = {
        " which went down a storm!", " which appeared to strike a rapport with the crowd",
        " which really fired up the crowd.", " which recieved a good response from the crowd.",
        " which had the whole crowd dancing!"};
    const auto& s = game.state;
    return s.gigreview + " The best song of the gig was " + s.songname[s.bestsong] +
           endings[static_cast<std::size_t>(draw(game.random, 5) - 1)];
}

void openmagazine(Game& game) {
    game.magazine.emplace().txtnews = magazinetext(game);
    game.screens.show(Screen::magazine);
}

void closemagazine(Game& game) {
    if (!game.magazine) return;
    game.magazine.reset();
    game.screens.close(Screen::magazine);
    update(game);
    game.screens.show(Screen::main);
}

} // namespace quorvane
