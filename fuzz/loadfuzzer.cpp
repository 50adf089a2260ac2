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
    if (!ok) std::fprintf(stderr, "load check failed: %s\n", what), std::abort();
}

// What a file saved now would load back as, over `over`; nothing when it cannot be saved.
std::optional<Module1> saveandload(const Module1& s, const Module1& over) {
    const auto bytes = encodesave(s);
    return bytes ? decodesave(*bytes, over) : std::nullopt;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The file LOAD reads lives in memory, so the real file path is taken without the disk.
    static const int file = ::memfd_create("fuzzed.zef", MFD_CLOEXEC);
    check(file >= 0 && ::ftruncate(file, 0) == 0 &&
              ::pwrite(file, data, size, 0) == static_cast<ssize_t>(size),
          "writing the file in memory");
    MersenneRandom random(20010901);
    testing::ScriptedDialogs dialogs; // No to every question
    testing::QuietNavigator navigator;
    Game game(random, dialogs, navigator);
    dialogs.typed = {"The Fuzz"};
    startup(game);
    startnewgame(game); // a new band, with a week and a lesson of its own behind it
    std::tie(game.state.managerscore, game.state.lessons[2]) = std::tuple(1234, 5);
    nextweek(game);
    const Module1 before = game.state;
    openfileoptions(game, FileMode::save, "/proc/self/fd");
    pickfile(game, std::to_string(file));
    loadbutton(game);

    const auto decoded =
        decodesave(std::string_view(reinterpret_cast<const char*>(data), size), before);
    const bool loaded = dialogs.shown.back().text == "Game Loaded";
    check(loaded == decoded.has_value(), "the file on disk reads as its bytes do");
    if (!loaded)
        return check(game.state == before && game.fileoptions, "a refused file changes nothing"), 0;
    Module1 fromfile = game.state; // the refresh rebuilds the member map and the vacancy
    std::tie(fromfile.listslot, fromfile.applicantslot) =
        std::tie(decoded->listslot, decoded->applicantslot);
    check(fromfile == *decoded, "the loaded game is the file's");
    check(saveandload(game.state, game.state) == game.state, "a loaded game saves back to itself");
    check(saveandload(before, game.state) == before, "what a file does not hold is kept");
    nextweek(game);
    return 0;
}
