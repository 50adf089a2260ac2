// Any bytes as a saved game, loaded with LOAD on the file options screen over a game a week
// into its career. Besides what the sanitizers catch: a refused file leaves the running
// game exactly as it was and the screen open; an accepted file is the file's game, holds only
// texts a save can hold again, keeps what a file does not store, saves back to itself, and
// survives a week of play.
#include "support/rules.h"

#include <cstdio>
#include <sys/mman.h>
#include <unistd.h>

namespace {

using namespace quorvane;

// Stops the run; libFuzzer then keeps the input that did it.
void check(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "load check failed: %s\n", what);
    std::abort();
}

// What a file saved now would load back as, over `over`; nothing when it cannot be saved
// (no bytes, which no load takes).
std::optional<Module1> saveandload(const Module1& s, const Module1& over) {
    return decodesave(encodesave(s).value_or(""), over);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The file LOAD reads lives in memory, so the real file path is taken without the disk.
    static const int file = ::memfd_create("fuzzed.zef", MFD_CLOEXEC);
    check(::ftruncate(file, 0) == 0, "emptying the file in memory");
    check(::pwrite(file, data, size, 0) == static_cast<ssize_t>(size), "writing the file");
    MersenneRandom random(20010901);
    testing::ScriptedDialogs dialogs; // No to every question
    testing::QuietNavigator navigator;
    Game game(random, dialogs, navigator);
    dialogs.typed = {"The Fuzz"};
    startup(game);
    startnewgame(game); // a new band, with a week and a lesson of its own behind it
    game.state.managerscore = 1234;
    game.state.lessons[2] = 5;
    nextweek(game);
    const Module1 before = game.state;
    openfileoptions(game, FileMode::save, "/proc/self/fd");
    pickfile(game, std::to_string(file));
    loadbutton(game);

    const auto decoded =
        decodesave(std::string_view(reinterpret_cast<const char*>(data), size), before);
    const bool loaded = dialogs.shown.back().text == "Game Loaded";
    check(loaded == decoded.has_value(), "the file on disk reads as its bytes do");
    check(loaded || game.state == before, "a refused file changes nothing");
    check(loaded || game.fileoptions, "a refused file keeps the screen open");
    if (!loaded) return 0;
    Module1 fromfile = game.state; // the refresh rebuilds the member map and the vacancy
    fromfile.listslot = decoded->listslot;
    fromfile.applicantslot = decoded->applicantslot;
    check(fromfile == *decoded, "the loaded game is the file's");
    check(saveandload(game.state, game.state) == game.state, "a loaded game saves back to itself");
    check(saveandload(before, game.state) == before, "what a file does not hold is kept");
    nextweek(game);
    return 0;
}
