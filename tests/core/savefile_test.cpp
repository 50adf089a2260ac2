// Saved games: the bytes of the file, full round trips, and files that must be refused.
#include "persist/savefile.h"
#include "ports/mersennerandom.h"
#include "state/newgame.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quorvane::testing {
namespace {

using namespace std::string_literals;

// The n-th record of a file, and a record holding `value` then zero filler.
std::string record(const std::string& file, int n) {
    return file.substr((n - 1) * 128, 128);
}
std::string holding(std::string value) {
    value.resize(128, '\0');
    return value;
}
std::string bytes(std::initializer_list<int> values) {
    return {values.begin(), values.end()};
}

Module1 newstate() {
    Module1 s;
    newgame(s);
    s.applicantslot = 1;
    s.popularity = 100;
    return s;
}

// A game with a different value in nearly every stored field.
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
    s.gamedate = Date{std::chrono::year{2003}, std::chrono::February, std::chrono::day{28}};
    s.promotion = 3;
    s.venueopen = {0, -1, 0, -1, -1, 0};
    return s;
}

TEST(SaveFile, ANewGameHasExactlyTheseBytes) {
    Module1 s = newstate();
    s.bandname = "Test";
    const std::string file = encodesave(s).value();
    ASSERT_EQ(file.size(), 106u * 128u);
    EXPECT_EQ(record(file, 1), holding("\x04\x00Test"s));
    EXPECT_EQ(record(file, 2), holding(bytes({0x64, 0})));
    EXPECT_EQ(record(file, 39), holding("\x04\x00None"s)) << "the drummer's name";
    EXPECT_EQ(record(file, 89), holding(bytes({30, 0}) + std::string(30, ' ')));
    EXPECT_EQ(record(file, 91), holding(bytes({0xe8, 0x03})));
    EXPECT_EQ(record(file, 97), holding(bytes({0x0a, 0})));
    EXPECT_EQ(record(file, 99), holding(bytes({0, 0, 0, 0, 0xe0, 0x21, 0xe2, 0x40})));
    for (int n = 100; n <= 106; ++n)
        EXPECT_EQ(record(file, n), holding(""));
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
        {1, bytes({0, 0})},                          // an empty band name
        {3, bytes({127, 0})},                        // a text longer than its record
        {14, bytes({5, 0})},                         // listslot 5
        {26, bytes({255, 255})},                     // listslot -1
        {94, bytes({21, 0})},                        // lastsong 21
        {95, bytes({21, 0})},                        // songcount 21
        {95, bytes({255, 255})},                     // songcount -1
        {92, bytes({0, 0})},                         // applicantslot 0
        {92, bytes({5, 0})},                         // applicantslot 5
        {97, bytes({11, 0})},                        // songtimer 11
        {97, bytes({255, 255})},                     // songtimer -1
        {100, bytes({5, 0})},                        // promotion 5
        {99, bytes({0, 0, 0, 0, 0, 0, 0xf8, 0x7f})}, // a date that is not a number
        {99, bytes({0, 0, 0, 0, 0, 0, 0xf0, 0x41})}, // a date past the year 9999
    };
    const Module1 running = newstate();
    Module1 state = running;
    for (const auto& [n, value] : refusals) {
        std::string bad = good;
        bad.replace((n - 1) * 128, value.size(), value);
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
        std::string file = good.substr(0, below(random, static_cast<int>(good.size()) + 1));
        for (int i = draw(random, 8); i > 0 && !file.empty(); --i)
            file[below(random, static_cast<int>(file.size()))] =
                static_cast<char>(below(random, 256));
        const auto loaded = decodesave(file, newstate());
        if (!loaded) continue;
        const auto reloaded = decodesave(encodesave(*loaded).value(), newstate());
        ASSERT_TRUE(reloaded == loaded) << "round " << round;
    }
}

// Each case saves over an older file in a way that must fail.
class FailedSave : public ::testing::Test {
protected:
    void SetUp() override { writebytes(target(), older); }
    void TearDown() override {
        EXPECT_EQ(readbytes(target()), older);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1)
            << "no temporary file is left behind";
    }
    std::string target() const { return folder.file("career.zef"); }

    TempFolder folder;
    const std::string older = encodesave(busystate()).value();
};

TEST_F(FailedSave, AReadOnlyFolderKeepsTheOlderFile) {
    using std::filesystem::perms;
    std::filesystem::permissions(folder.path(), perms::owner_read | perms::owner_exec);
    // Root may write anywhere, so an ordinary user makes the save, in a child process.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (getuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(2);
        _exit(savegame(newstate(), target()) ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    std::filesystem::permissions(folder.path(), perms::owner_all);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the failure is reported";
}

TEST_F(FailedSave, AFullDiskKeepsTheOlderFile) {
    // A file size limit makes the write fail part-way, as a full disk would.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    rlimit small = before;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);
    const auto failure = savegame(newstate(), target());
    setrlimit(RLIMIT_FSIZE, &before);
    EXPECT_TRUE(failure);
}

} // namespace
} // namespace quorvane::testing
