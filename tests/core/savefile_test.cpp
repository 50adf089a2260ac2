// Saved games: every record at its offset, full round trips, and files that must be refused.
#include "persist/cp1252.h"
#include "persist/savefile.h"
#include "ports/mersennerandom.h"
#include "state/newgame.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

namespace quorvane::testing {
namespace {

using namespace std::chrono;

std::string bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values)
        out += static_cast<char>(v);
    return out;
}
std::string text(int n) {
    return "#" + std::to_string(n);
}

// Each stored number is the number of its record, and each stored text "#" and that number.
Module1 numbered() {
    Module1 s;
    newgame(s);
    s.bandname = text(1);
    s.popularity = 2;
    for (int slot = 1, r = 3; slot <= 4; ++slot, r += 12) {
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
    s.venueopen = {0, 102, 103, 104, 105, 106};
    return s;
}

// A playable game with a different value in nearly every stored field, some at the edges.
Module1 busystate() {
    Module1 s = numbered();
    s.bandname.clear();
    for (int i = 0; i < 126; ++i)
        s.bandname += "\xc3\xa9"; // 126 bytes once saved
    s.popularity = 32767;
    s.cash = -32768;
    s.memberage[2] = -5;
    s.membername[4] = "None";
    s.membersex[4] = "0"; // a slot emptied by a departure
    s.listslot = {0, 1, 2, 3, 0};
    s.applicantslot = 4;
    s.lastsong = s.songcount = 19;
    s.songtimer = 3;
    s.promotion = 3;
    s.gamedate = year{9999} / December / 31;
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
        std::string value = istext(n) ? bytes({2 + (n > 9), 0}) + text(n) : bytes({n, 0});
        if (n == 99) value = bytes({0, 0, 0, 0, 0xe0, 0x21, 0xe2, 0x40}); // 1 September 2001
        if (n == 101) value.clear();
        value.resize(128, '\0');
        EXPECT_EQ(file.substr(static_cast<std::size_t>(n - 1) * 128, 128), value) << "record " << n;
    }
}

TEST(SaveFile, EveryStoredFieldSurvivesARoundTripAndTheRestIsKept) {
    TempFolder folder;
    ASSERT_EQ(savegame(busystate(), folder.file("busy.zef")), std::nullopt);
    Module1 running; // nothing in common with the saved game, so every field must be read
    newgame(running);
    running.managerscore = 42;
    running.lessons = {0, 6, 5, 4, 3};
    running.gigreview = "a review";
    ASSERT_TRUE(loadgame(running, folder.file("busy.zef")));
    Module1 expected = busystate();
    expected.managerscore = 42;
    expected.lessons = {0, 6, 5, 4, 3};
    expected.gigreview = "a review";
    EXPECT_TRUE(running == expected);

    std::string all; // and every byte of a text, through Windows-1252 and back
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(tocp1252(fromcp1252(all)), all);
    EXPECT_FALSE(tocp1252("\xe2\x98\x85")) << "a star has no byte";
}

TEST(SaveFile, ShortFilesReadAsZerosAndOnlyTheRecordsCount) {
    const std::string file = encodesave(busystate()).value();
    const auto shortened = decodesave(file.substr(0, 99 * 128), numbered());
    ASSERT_TRUE(shortened);
    EXPECT_EQ(std::tie(shortened->promotion, shortened->venueopen[5]), std::tuple(0, 0));

    std::string dirty = file + std::string(500, '\x7f');
    for (std::size_t r = 1; r < 106; ++r) // record 1 is filled to its last byte by the name
        dirty[r * 128 + 127] = '\x55';
    EXPECT_TRUE(decodesave(dirty, numbered()) == decodesave(file, numbered()));
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
    const Module1 running = numbered();
    Module1 state = running;
    for (const auto& [n, value] : refusals) {
        std::string bad = good;
        bad.replace(static_cast<std::size_t>(n - 1) * 128, value.size(), value);
        writebytes(folder.file("bad.zef"), bad);
        EXPECT_FALSE(loadgame(state, folder.file("bad.zef"))) << "record " << n;
    }
    std::string nowhere = good; // a song in progress with all 20 slots taken
    for (const int n : {94, 95})
        nowhere.replace(static_cast<std::size_t>(n - 1) * 128, 2, bytes({20, 0}));
    writebytes(folder.file("nowhere.zef"), nowhere);
    writebytes(folder.file("truncated.zef"), good.substr(0, 60 * 128));
    for (const char* name : {"nowhere.zef", "missing.zef", "truncated.zef", ""})
        EXPECT_FALSE(loadgame(state, folder.file(name))) << name;
    EXPECT_TRUE(state == running);
}

TEST(SaveFile, MangledFilesNeverCrashAndWhatLoadsSavesAgainUnchanged) {
    const std::string good = encodesave(busystate()).value();
    MersenneRandom random(7);
    auto upto = [&random](std::size_t n) {
        return static_cast<std::size_t>(below(random, static_cast<int>(n)));
    };
    for (int round = 0; round < 3000; ++round) {
        std::string file = good.substr(0, upto(good.size() + 1));
        for (int i = draw(random, 8); i > 0 && !file.empty(); --i)
            file[upto(file.size())] = static_cast<char>(below(random, 256));
        const auto loaded = decodesave(file, numbered());
        if (!loaded) continue;
        ASSERT_TRUE(decodesave(encodesave(*loaded).value(), numbered()) == loaded) << round;
    }
}

} // namespace
} // namespace quorvane::testing
