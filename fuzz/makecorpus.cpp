// Writes the fuzzer's seed files with the game's own saver: makecorpus FOLDER
#include "games.h"
#include "persist/savefile.h"

#include <cstdio>

using namespace quorvane;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: makecorpus FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    fuzz::Session fresh;
    fuzz::Session band; // four members, a few songs and one on the way
    band.play(12);
    fuzz::Session full; // every song slot taken
    full.play(100);
    Module1 lastday = band.game.state;
    lastday.gamedate = quorvane::lastday;
    const std::pair<const char*, const Module1&> games[] = {{"newgame.zef", fresh.game.state},
                                                            {"midgame.zef", band.game.state},
                                                            {"fullband.zef", full.game.state},
                                                            {"lastday.zef", lastday}};
    for (const auto& [name, state] : games) {
        if (const auto failure = savegame(state, folder + "/" + name)) {
            std::fprintf(stderr, "%s: %s\n", name, failure->c_str());
            return 1;
        }
    }
    return 0;
}
