// Any bytes as a saved game, loaded with LOAD on the file options screen over a game in
// progress. Besides what the sanitizers catch: a refused file leaves the running game exactly
// as it was and the screen open; an accepted file holds only values the game can work with,
// keeps what a file does not store, saves back to itself, and survives a week of play.
#include "games.h"
#include "persist/cp1252.h"
#include "persist/fileoptions.h"
#include "persist/savefile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
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

// The file LOAD reads lives in memory, so the real file path is taken without the disk.
class MemoryFile {
public:
    MemoryFile() { check(fd_ >= 0, "no file in memory"); }
    void fill(const std::uint8_t* data, std::size_t size) {
        check(::ftruncate(fd_, 0) == 0 &&
                  ::pwrite(fd_, data, size, 0) == static_cast<ssize_t>(size),
              "writing the file in memory");
    }
    std::string folder() const { return "/proc/self/fd"; }
    std::string name() const { return std::to_string(fd_); }

private:
    int fd_ = ::memfd_create("fuzzed.zef", MFD_CLOEXEC);
};

bool within(int value, int low, int high) {
    return value >= low && value <= high;
}

bool storable(const std::string& text) {
    const auto bytes = tocp1252(text);
    return bytes && bytes->size() <= longesttext;
}

// Every stored field within what the game can work with, stated apart from the reader.
bool sound(const Module1& s) {
    bool ok = !s.bandname.empty() && storable(s.bandname) && incalendar(s.gamedate) &&
              within(s.applicantslot, 1, membercount) && within(s.promotion, 0, 4) &&
              within(s.songcount, 0, songlimit) && s.lastsong == s.songcount &&
              within(s.songtimer, 0, songidle) &&
              (s.songtimer == songidle || s.songcount < songlimit);
    for (int slot = 1; slot <= membercount; ++slot)
        ok = ok && within(s.listslot[slot], 0, membercount) && storable(s.membername[slot]) &&
             storable(s.membersex[slot]);
    for (int song = 1; song <= songlimit; ++song)
        ok = ok && storable(s.songname[song]);
    return ok;
}

// What a file saved now would load back as, over `over`; nothing when it cannot be saved.
std::optional<Module1> saveandload(const Module1& s, const Module1& over) {
    const auto bytes = encodesave(s);
    if (!bytes) return std::nullopt;
    return decodesave(*bytes, over);
}

// The game in progress when the player loads: a band some weeks into its career.
struct Running {
    Running() {
        session.play(12);
        check(saveandload(session.game.state, session.game.state) == session.game.state,
              "the running game saves back to itself");
    }
    fuzz::Session session;
    MemoryFile file;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Running running;
    const Module1& before = running.session.game.state;
    running.file.fill(data, size);

    MersenneRandom random(1);
    fuzz::EagerDialogs dialogs;
    fuzz::NoScreens navigator;
    Game game(random, dialogs, navigator);
    game.state = before;
    game.main = running.session.game.main;
    game.controls = running.session.game.controls;
    game.screens.show(Screen::main);
    openfileoptions(game, FileMode::save, running.file.folder());
    pickfile(game, running.file.name());
    loadbutton(game);

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto decoded = decodesave(bytes, before);
    check(!dialogs.messages.empty(), "LOAD answers");
    const bool loaded = dialogs.messages.back() == "Game Loaded";
    check(loaded == decoded.has_value(), "the file on disk reads as its bytes do");
    if (!loaded) {
        check(game.state == before, "a refused file leaves the running game unchanged");
        check(game.fileoptions.has_value(), "the file options screen stays open");
        return 0;
    }
    const Module1& after = game.state;
    check(sound(after), "a loaded game holds only values the game can work with");
    // The refresh after loading rebuilds the member list's map and picks the next applicant.
    Module1 fromfile = after;
    fromfile.listslot = decoded->listslot;
    fromfile.applicantslot = decoded->applicantslot;
    check(fromfile == *decoded, "the loaded game is the file's");
    check(saveandload(after, after) == after, "a loaded game saves back to itself");
    check(saveandload(before, after) == before, "what a file does not hold is kept");

    nextweek(game);
    check(saveandload(game.state, game.state) == game.state,
          "a week after loading, the game still saves back to itself");
    return 0;
}
