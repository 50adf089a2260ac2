// The gig screen's rules: which venues take the band and what goes on the set list.
#include "gigs/booking.h"

namespace quorvane {

void checkgigband(Game& game) {
    const auto& s = game.state;
    for (int slot = 1; slot <= membercount; ++slot) {
        if (s.illweeks[slot] > 0) {
            game.dialogs.message(s.membername[slot] +
                                 " is ill and cannot perform, they are expected to be fit in " +
                                 std::to_string(s.illweeks[slot]) + " weeks.");
            return;
        }
        if (!s.occupied(slot)) {
            game.dialogs.message("You must have a full band before performing!");
            return;
        }
    }
    opengig(game);
}

void opengig(Game& game) {
    const auto& s = game.state;
    auto& form = game.gig.emplace();
    for (int slot = 1; slot <= s.songcount; ++slot)
        form.Combo1.push_back(s.songname[slot]);
    for (int venue = 1; venue <= venuecount; ++venue)
        form.location[static_cast<std::size_t>(venue - 1)] = s.venueopen[venue] == vbtrue;
    game.screens.show(Screen::gig);
    game.screens.hide(Screen::main);
}

void closegig(Game& game) {
    if (!game.gig) return;
    game.gig.reset();
    game.screens.close(Screen::gig);
    game.screens.show(Screen::main);
}

void choosevenue(Game& game, int index) {
    auto& form = *game.gig;
    if (index < 0 || index >= venuecount || !form.location[static_cast<std::size_t>(index)]) return;
    form.checkindex = static_cast<int16>(index + 1);
    form.command1 = true;
}

bool applyforgig(Game& game) {
    auto& form = *game.gig;
    if (!form.command1) return false;
    if (game.state.popularity < game.state.venuerequirement[form.checkindex]) {
        game.dialogs.message("Your request has been rejected.");
        return false;
    }
    game.dialogs.message("You have been allowed to play a gig!");
    form.picker = form.command4 = true;
    return true;
}

TrackAdded addgigtrack(Game& game, int slot) {
    auto& form = *game.gig;
    auto& setlist = game.state.setlist;
    if (!form.picker || slot < 1 || slot > game.state.songcount) return TrackAdded::ignored;
    if (form.trackcount >= setlength) {
        game.dialogs.message("No more tracks can be added");
        return TrackAdded::full;
    }
    for (int position = 1; position <= form.trackcount; ++position) {
        if (setlist[position] == slot) {
            game.dialogs.message("This track is already on the list!");
            return TrackAdded::duplicate;
        }
    }
    ++form.trackcount;
    form.tracks[static_cast<std::size_t>(form.trackcount - 1)] =
        std::to_string(form.trackcount) + ". " + game.state.songname[slot];
    setlist[form.trackcount] = static_cast<int16>(slot);
    return TrackAdded::added;
}

void cleargiglist(Game& game) {
    auto& form = *game.gig;
    form.tracks = {};
    form.trackcount = 0;
}

} // namespace quorvane
