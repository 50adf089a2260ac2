// Timings of the weekly turn and of saved games, in memory and on the disk.
#include "gigs/rating.h"
#include "persist/savefile.h"
#include "state/newgame.h"
#include "turn/nextweek.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdlib>
#include <filesystem>

namespace quorvane {
namespace {

// Cycles through values none of which draws an incident, an illness or a call from the
// press, so every week takes the same path.
class CycleRandom final : public Random {
public:
    double uniform(int) override {
        next_ = (next_ + 1) % values_.size();
        return values_[next_];
    }

private:
    std::array<double, 5> values_{0.15, 0.55, 0.95, 0.35, 0.75};
    std::size_t next_ = 0;
};

// Says No to everything and counts the messages, which a quiet week has none of.
class NoDialogs final : public Dialogs {
public:
    void message(std::string_view, Icon) override { ++messages; }
    bool ask(std::string_view) override { return false; }
    std::string prompt(std::string_view, std::string_view, std::string_view) override { return {}; }
    long messages = 0;
};

class NoNavigator final : public Navigator {
public:
    void show(Screen) override {}
    void hide(Screen) override {}
    void close(Screen) override {}
    void quit() override {}
};

// Four steady members and twelve songs: a band well into the game.
Module1 fullband() {
    Module1 s;
    newgame(s);
    s.bandname = "The Benchmarks";
    for (int slot = 1; slot <= membercount; ++slot) {
        s.membername[slot] = "Member " + std::to_string(slot);
        s.membersex[slot] = "Female";
        s.memberage[slot] = 20;
        s.happiness[slot] = 10;
        s.talent[slot] = s.songwriting[slot] = 2;
        s.charisma[slot] = s.attitude[slot] = s.looks[slot] = 5;
        s.listslot[slot] = static_cast<int16>(slot);
    }
    for (int song = 1; song <= 12; ++song) {
        s.songname[song] = "Song number " + std::to_string(song);
        s.songquality[song] = static_cast<int16>(song);
    }
    s.songcount = s.lastsong = 12;
    s.songtimer = songidle;
    s.applicantslot = 4;
    s.popularity = 120;
    return s;
}

void WeeklyTurn(benchmark::State& bench) {
    CycleRandom random;
    NoDialogs dialogs;
    NoNavigator navigator;
    Game game(random, dialogs, navigator);
    game.state = fullband();
    const Module1 start = game.state;
    for (auto _ : bench) {
        nextweek(game);
        // Every week alike: the wages come back and the calendar stays far from its end.
        game.state.cash = start.cash;
        game.state.gamedate = start.gamedate;
    }
    Module1 quiet = start;
    quiet.venueopen = game.state.venueopen; // drawn afresh every week
    if (dialogs.messages != 0 || game.state != quiet)
        bench.SkipWithError("the week was not the quiet one this measures");
}
BENCHMARK(WeeklyTurn);

// Six different tracks at the biggest venue, by a band whose weak and strong talents and
// looks draw five numbers.
void GigRating(benchmark::State& bench) {
    CycleRandom random;
    Module1 s = fullband();
    s.talent = {0, 2, 8, 5, 9};
    s.looks = {0, 1, 5, 8, 5};
    s.setlist = {0, 3, 12, 7, 1, 9, 5};
    long long total = 0;
    for (auto _ : bench)
        total += rategig(s, venuecount, random);
    benchmark::DoNotOptimize(total);
    if (total <= 0) bench.SkipWithError("the gigs were not rated");
}
BENCHMARK(GigRating);

void SaveEncodeDecode(benchmark::State& bench) {
    const Module1 state = fullband();
    for (auto _ : bench) {
        auto bytes = encodesave(state);
        auto loaded = decodesave(*bytes, state);
        benchmark::DoNotOptimize(loaded);
    }
}
BENCHMARK(SaveEncodeDecode);

// The two halves apart, to see which one a change in the other costs.
void SaveEncode(benchmark::State& bench) {
    const Module1 state = fullband();
    for (auto _ : bench)
        benchmark::DoNotOptimize(encodesave(state));
}
BENCHMARK(SaveEncode);

void SaveDecode(benchmark::State& bench) {
    const Module1 state = fullband();
    const std::string bytes = *encodesave(state);
    for (auto _ : bench)
        benchmark::DoNotOptimize(decodesave(bytes, state));
}
BENCHMARK(SaveDecode);

// A save with its sync to the disk, then a load, in a folder under TMPDIR (or /tmp).
void SaveAndLoadFile(benchmark::State& bench) {
    std::string folder = (std::filesystem::temp_directory_path() / "quorvane-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr) {
        bench.SkipWithError("no temporary folder");
        return;
    }
    const std::string path = folder + "/bench.zef";
    const Module1 state = fullband();
    Module1 loaded = state;
    for (auto _ : bench) {
        if (savegame(state, path) || !loadgame(loaded, path)) {
            bench.SkipWithError("the save or the load failed");
            break;
        }
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(SaveAndLoadFile)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace quorvane
