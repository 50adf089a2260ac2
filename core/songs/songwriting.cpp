// Writing tracks. A song is rated from the skills of the band that finishes it.
#include "songs/songwriting.h"

#include "state/tables.h"

namespace quorvane {

namespace {

// Why WRITE SONG cannot start a song now, or nothing.
const char* refusal(const Module1& s) {
    if (s.songcount == songlimit) return "You have reached the limit of 20 songs!";
    if (s.songtimer < songidle) return "The band is currently working on a song.";
    if (!s.fullband()) return "You need a full band to write a song!";
    return nullptr;
}

} // namespace

void writesong(Game& game) {
    auto& s = game.state;
    if (const char* why = refusal(s)) {
        game.dialogs.message(why);
        return;
    }
    if (s.tiredness > 0) {
        if (!game.dialogs.askcarefully("The band wants a rest before starting on a new song. "
                                       "Make them record anyway?"))
            return;
        for (int slot = 1; slot <= membercount; ++slot)
            s.happiness[slot] = sat16(std::max(0, s.happiness[slot] - 1));
    }
    s.songtimer = static_cast<int16>(draw(game.random, 4) + 1);
    game.dialogs.message("The band has started writing a new song.");
}

int songquality(const Module1& s, Random& random) {
    int quality = 0;
    for (int slot = 1; slot <= membercount; ++slot) {
        quality += draw(random, s.talent[slot]);
        quality += draw(random, s.songwriting[slot]);
    }
    return quality;
}

void makesong(Game& game) {
    auto& s = game.state;
    const int quality = songquality(s, game.random);
    s.tiredness = static_cast<int16>(draw(game.random, 3) + 1);
    const int slot = ++s.lastsong;
    s.songname[slot] = composetitle(s, game.random);
    s.songquality[slot] = sat16(quality);
    game.controls.songlist.push_back(s.songname[slot]);
    ++s.songcount;
    game.dialogs.message("The band has finished writing a new track!");
}

} // namespace quorvane
