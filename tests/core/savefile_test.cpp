// Saved games: every record at its offset, full round trips, and files that must be refused.
#include "persist/savefile.h"
#include "ports/mersennerandom.h"
#include "state/newgame.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

namespace quorvane::testing {
namespace {

using namespace std::string_literals;

std::string record(const std::string& file, int n) {
    return file.substr(static_cast<std::size_t>(n - 1) * 128, 128);
}
// A record holding `value`, then zero filler.
std::string holding(std::string value) {
    value.resize(128, '\0');
    return value;
}
std::string bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values)
        out += static_cast<char>(v);
    return out;
}
std::string text(int n) {
    return "#" + std::to_string(n);
}

Module1 newstate() {
    Module1 s;
    newgame(s);
    s.applicantslot = 1;
    s.popularity = 100;
    return s;
}

// Each stored number is the number of its record, and each stored text "#" and that number.
Module1 numbered() {
    Module1 s = newstate();
    s.bandname = text(1);
    s.popularity = 2;
    for (int slot = 1; slot <= 4; ++slot) {
        const int r = 3 + 12 * (slot - 1);
        s.membername[slot] = text(r);
        s.memberage[slot] = static_cast<int16>(r + 1);
        s.membersex[slot] = text(r + 2);
        int16 n = static_cast<int16>(r + 3);
        for (auto* field : {&s.happiness, &s.illweeks, &s.discord, &s.talent, &s.charisma,
                            &s.attitude, &s.looks, &s.songwriting, &s.listslot})
            (*field)[slot] = n++;
    }
    for (int t = 1; t <= 20; ++t) {
        s.songname[t] = text(49 + 2 * t);
        s.songquality[t] = static_cast<int16>(50 + 2 * t);
    }
    int16 n = 91;
    for (auto* scalar : {&s.cash, &s.applicantslot, &s.tiredness, &s.lastsong, &s.songcount,
                         &s.applicantsthisweek, &s.songtimer, &s.invitation})
        *scalar = n++;
    s.promotion = 100;
    for (int v = 1; v <= 5; ++v)
        s.venueopen[v] = static_cast<int16>(101 + v);
    return s;
}

// A playable game with a different value in nearly every stored field.
Module1 busystate() {
    Module1 s = newstate();
    s.bandname.clear();
    for (int i = 0; i < 126; ++i)
        s.bandname += "\xc3\xa9"; // 126 bytes once saved
    for (int16 slot = 1; slot <= 3; ++slot) {
        s.membername[slot] = "Member " + std::to_string(slot);
        s.membersex[slot] = slot == 2 ? "Female" : "Male";
        int value = slot * 10 - 25; // negative values too
        for (auto* field : {&s.memberage, &s.happiness, &s.illweeks, &s.discord, &s.talent,
                            &s.charisma, &s.attitude, &s.looks, &s.songwriting})
            (*field)[slot] = static_cast<int16>(value++);
        s.listslot[slot] = slot;
    }
    s.membersex[4] = "0"; // a slot emptied by a departure
    for (int song = 1; song <= 19; ++song) {
        s.songname[song] = "Song " + std::to_string(song);
        s.songquality[song] = static_cast<int16>(song * 3);
    }
    s.popularity = 32767;
    s.cash = -32768;
    s.applicantslot = 4;
    s.tiredness = 3;
    s.lastsong = s.songcount = 19;
    s.applicantsthisweek = 7;
    s.invitation = 2;
    s.gamedate = Date{std::chrono::year{9999}, std::chrono::December, std::chrono::day{31}};
    s.promotion = 3;
    s.venueopen = {0, -1, 0, -1, -1, 0};
    return s;
}

TEST(SaveFile, EveryFieldIsStoredInItsOwnRecord) {
    const std::string file = encodesave(numbered()).value();
    ASSERT_EQ(file.size(), 106u * 128u);
    auto istext = [](int n) {
        const bool member = n >= 3 && n <= 50 && ((n - 3) % 12 == 0 || (n - 3) % 12 == 2);
        return n == 1 || member || (n >= 51 && n <= 89 && n % 2 == 1);
    };
    for (int n = 1; n <= 106; ++n) {
        if (n == 99 || n == 101) continue;
        const std::string value =
            istext(n) ? bytes({static_cast<int>(text(n).size()), 0}) + text(n) : bytes({n, 0});
        EXPECT_EQ(record(file, n), holding(value)) << "record " << n;
    }
    EXPECT_EQ(record(file, 99), holding(bytes({0, 0, 0, 0, 0xe0, 0x21, 0xe2, 0x40})))
        << "1 September 2001 is day 37135";
    EXPECT_EQ(record(file, 101), holding(""));
}

TEST(SaveFile, EveryStoredFieldSurvivesARoundTripAndTheRestIsKept) {
    TempFolder folder;
    const Module1 saved = busystate();
    ASSERT_EQ(savegame(saved, folder.file("busy.zef")), std::nullopt);

    Module1 running = newstate();
    running.managerscore = 42;
    running.lessons = {0, 6, 5, 4, 3};
    running.gigreview = "a review";
    ASSERT_TRUE(loadgame(running, folder.file("busy.zef")));
    Module1 expected = saved;
    expected.managerscore = 42;
    expected.lessons = {0, 6, 5, 4, 3};
    expected.gigreview = "a review";
    EXPECT_TRUE(running == expected);
}

TEST(SaveFile, ShortFilesReadAsZerosAndOnlyTheRecordsCount) {
    const std::string file = encodesave(busystate()).value();
    const auto shortened = decodesave(file.substr(0, 99 * 128), newstate());
    ASSERT_TRUE(shortened);
    EXPECT_EQ(shortened->promotion, 0);
    EXPECT_EQ(shortened->venueopen, (Ints<5>{}));

    std::string dirty = file + std::string(500, '\x7f');
    for (std::size_t r = 1; r < 106; ++r) // record 1 is filled to its last byte by the name
        dirty[r * 128 + 127] = '\x55';
    EXPECT_TRUE(decodesave(dirty, newstate()) == decodesave(file, newstate()));
}

TEST(SaveFile, FilesTheGameCannotPlayAreRefusedAndChangeNothing) {
    TempFolder folder;
    const std::string good = encodesave(busystate()).value();
    const std::pair<int, std::string> refusals[] = {
        {1, bytes({0, 0})},                                // an empty band name
        {3, bytes({127, 0})},                              // a text longer than its record
        {14, bytes({5, 0})},                               // listslot 5
        {26, bytes({255, 255})},                           // listslot -1
        {94, bytes({5, 0})},                               // lastsong 5 beside songcount 19
        {95, bytes({255, 255})},                           // songcount -1
        {92, bytes({0, 0})},                               // applicantslot 0
        {92, bytes({5, 0})},                               // applicantslot 5
        {97, bytes({11, 0})},                              // songtimer 11
        {97, bytes({255, 255})},                           // songtimer -1
        {100, bytes({5, 0})},                              // promotion 5
        {99, bytes({0, 0, 0, 0, 0, 0, 0xf8, 0x7f})},       // a date that is not a number
        {99, bytes({0, 0, 0, 0, 0x41, 0x92, 0x46, 0x41})}, // 1 January 10000
    };
    const Module1 running = newstate();
    Module1 state = running;
    for (const auto& [n, value] : refusals) {
        std::string bad = good;
        bad.replace(static_cast<std::size_t>(n - 1) * 128, value.size(), value);
        writebytes(folder.file("bad.zef"), bad);
        EXPECT_FALSE(loadgame(state, folder.file("bad.zef"))) << "record " << n;
    }
    writebytes(folder.file("empty.zef"), "");
    writebytes(folder.file("truncated.zef"), good.substr(0, 60 * 128));
    for (const char* name : {"missing.zef", "empty.zef", "truncated.zef", ""})
        EXPECT_FALSE(loadgame(state, folder.file(name))) << name;
    EXPECT_TRUE(state == running);
}

TEST(SaveFile, MangledFilesNeverCrashAndWhatLoadsSavesAgainUnchanged) {
    const std::string good = encodesave(busystate()).value();
    MersenneRandom random(7);
    for (int round = 0; round < 3000; ++round) {
        std::string file = good.substr(
            0, static_cast<std::size_t>(below(random, static_cast<int>(good.size()) + 1)));
        for (int i = draw(random, 8); i > 0 && !file.empty(); --i)
            file[static_cast<std::size_t>(below(random, static_cast<int>(file.size())))] =
                static_cast<char>(below(random, 256));
        const auto loaded = decodesave(file, newstate());
        if (!loaded) continue;
        const auto reloaded = decodesave(encodesave(*loaded).value(), newstate());
        ASSERT_TRUE(reloaded == loaded) << "round " << round;
    }
}

} // namespace
} // namespace quorvane::testing
