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

std::string record(const std::string& file, int n) {
    return file.substr((n - 1) * recordsize, recordsize);
}

// A record holding `value` followed by zero filler.
std::string holding(const std::string& value) {
    std::string r = value;
    r.resize(recordsize, '\0');
    return r;
}

Module1 newstate() {
    Module1 s;
    newgame(s);
    s.applicantslot = 1;
    s.popularity = 100;
    return s;
}

// A game with a different value in every stored field.
Module1 busystate() {
    Module1 s = newstate();
    std::string name;
    for (int i = 0; i < 126; ++i)
        name += "\xc3\xa9"; // 126 bytes once saved
    s.bandname = name;
    s.popularity = 32767;
    for (int slot = 1; slot <= 3; ++slot) {
        s.membername[slot] = "Member " + std::to_string(slot);
        s.memberage[slot] = static_cast<int16>(16 + slot);
        s.membersex[slot] = slot == 2 ? "Female" : "Male";
        s.happiness[slot] = static_cast<int16>(-slot);
        s.illweeks[slot] = static_cast<int16>(slot + 1);
        s.discord[slot] = static_cast<int16>(slot + 2);
        s.talent[slot] = static_cast<int16>(slot + 3);
        s.charisma[slot] = static_cast<int16>(slot + 4);
        s.attitude[slot] = static_cast<int16>(slot + 5);
        s.looks[slot] = static_cast<int16>(slot + 6);
        s.songwriting[slot] = static_cast<int16>(slot + 7);
        s.listslot[slot] = static_cast<int16>(slot);
    }
    s.membersex[4] = "0"; // a slot emptied by a departure
    for (int song = 1; song <= 19; ++song) {
        s.songname[song] = "Song " + std::to_string(song);
        s.songquality[song] = static_cast<int16>(song * 3);
    }
    s.cash = -32768;
    s.applicantslot = 4;
    s.tiredness = 3;
    s.lastsong = 19;
    s.songcount = 19;
    s.applicantsthisweek = 7;
    s.songtimer = 10;
    s.invitation = 2;
    s.gamedate = Date{std::chrono::year{2003}, std::chrono::February, std::chrono::day{28}};
    s.promotion = 3;
    s.venueopen = {0, -1, 0, -1, -1, 0};
    return s;
}

TEST(SaveFile, ANewGameHasExactlyTheseBytes) {
    Module1 s = newstate();
    s.bandname = "Test";
    const auto file = encodesave(s);
    ASSERT_TRUE(file);
    ASSERT_EQ(file->size(), 106u * 128u);
    EXPECT_EQ(record(*file, 1), holding(std::string("\x04\x00Test", 6)));
    EXPECT_EQ(record(*file, 2), holding(std::string("\x64\x00", 2)));
    for (int slot = 1; slot <= 4; ++slot) {
        EXPECT_EQ(record(*file, 3 + 12 * (slot - 1)), holding(std::string("\x04\x00None", 6)));
        EXPECT_EQ(record(*file, 5 + 12 * (slot - 1)), holding(std::string(2, '\0')));
    }
    EXPECT_EQ(record(*file, 51), holding(std::string(2, '\0')));
    EXPECT_EQ(record(*file, 89), holding(std::string("\x1e\x00", 2) + std::string(30, ' ')));
    EXPECT_EQ(record(*file, 91), holding(std::string("\xe8\x03", 2)));
    EXPECT_EQ(record(*file, 92), holding(std::string("\x01\x00", 2)));
    EXPECT_EQ(record(*file, 97), holding(std::string("\x0a\x00", 2)));
    EXPECT_EQ(record(*file, 99), holding(std::string("\x00\x00\x00\x00\xe0\x21\xe2\x40", 8)));
    for (int n : {100, 101, 102, 103, 104, 105, 106})
        EXPECT_EQ(record(*file, n), holding(""));
}

TEST(SaveFile, EveryStoredFieldSurvivesARoundTrip) {
    TempFolder folder;
    const Module1 saved = busystate();
    ASSERT_EQ(savegame(saved, folder.file("busy.zef")), std::nullopt);
    EXPECT_EQ(readbytes(folder.file("busy.zef")).size(), 13568u);

    Module1 running = newstate();
    running.managerscore = 42;
    running.lessons = {0, 6, 5, 4, 3};
    running.bestsong = 7;
    running.gigreview = "a review";
    running.setlist = {0, 1, 2, 3, 4, 5, 6};
    ASSERT_TRUE(loadgame(running, folder.file("busy.zef")));

    Module1 expected = saved;
    expected.managerscore = 42; // what the file does not hold keeps its value
    expected.lessons = {0, 6, 5, 4, 3};
    expected.bestsong = 7;
    expected.gigreview = "a review";
    expected.setlist = {0, 1, 2, 3, 4, 5, 6};
    EXPECT_TRUE(running == expected);
    EXPECT_EQ(running.bandname, saved.bandname);
    EXPECT_EQ(running.cash, -32768);
    EXPECT_EQ(running.gamedate, saved.gamedate);
}

TEST(SaveFile, ShortFilesReadAsZerosAndLongFilesStopAtTheLastRecord) {
    const Module1 saved = busystate();
    const std::string file = *encodesave(saved);

    const auto shortened = decodesave(file.substr(0, 99 * recordsize), newstate());
    ASSERT_TRUE(shortened);
    EXPECT_EQ(shortened->promotion, 0);
    EXPECT_EQ(shortened->venueopen, (Ints<5>{}));

    auto longer = decodesave(file + std::string(500, '\x7f'), newstate());
    ASSERT_TRUE(longer);
    EXPECT_EQ(longer->venueopen, saved.venueopen);

    std::string dirtyfiller = file;
    for (std::size_t r = 0; r < recordcount; ++r)
        dirtyfiller[r * recordsize + 127] = '\x55';
    EXPECT_TRUE(decodesave(dirtyfiller, newstate())) << "filler carries no meaning";
}

struct Refusal {
    const char* what;
    int record;
    std::string value;
};

TEST(SaveFile, FilesTheGameCannotPlayAreRefusedAndChangeNothing) {
    TempFolder folder;
    const std::string good = *encodesave(busystate());
    auto with = [&good](int n, const std::string& value) {
        std::string bytes = good;
        bytes.replace((n - 1) * recordsize, value.size(), value);
        return bytes;
    };
    const Refusal refusals[] = {
        {"empty band name", 1, std::string(2, '\0')},
        {"text longer than its record", 3, std::string("\x7f\x00", 2)},
        {"listslot above 4", 14, std::string("\x05\x00", 2)},
        {"listslot below 0", 26, std::string("\xff\xff", 2)},
        {"songcount above 20", 95, std::string("\x15\x00", 2)},
        {"songcount below 0", 95, std::string("\xff\xff", 2)},
        {"lastsong above 20", 94, std::string("\x15\x00", 2)},
        {"applicantslot 0", 92, std::string("\x00\x00", 2)},
        {"applicantslot 5", 92, std::string("\x05\x00", 2)},
        {"songtimer above 10", 97, std::string("\x0b\x00", 2)},
        {"songtimer below 0", 97, std::string("\xff\xff", 2)},
        {"promotion 5", 100, std::string("\x05\x00", 2)},
        {"date not a number", 99, std::string("\x00\x00\x00\x00\x00\x00\xf8\x7f", 8)},
        {"date past 9999", 99, std::string("\x00\x00\x00\x00\x00\x00\xf0\x41", 8)},
    };
    const Module1 running = newstate();
    for (const auto& r : refusals) {
        Module1 state = running;
        writebytes(folder.file("bad.zef"), with(r.record, r.value));
        EXPECT_FALSE(loadgame(state, folder.file("bad.zef"))) << r.what;
        EXPECT_TRUE(state == running) << r.what;
    }
    Module1 state = running;
    writebytes(folder.file("empty.zef"), "");
    writebytes(folder.file("truncated.zef"), good.substr(0, 60 * recordsize));
    for (const char* name : {"missing.zef", "empty.zef", "truncated.zef", ""})
        EXPECT_FALSE(loadgame(state, folder.file(name))) << name;
    EXPECT_TRUE(state == running);
}

TEST(SaveFile, MangledFilesNeverCrashAndWhatLoadsSavesAgainUnchanged) {
    const std::string good = *encodesave(busystate());
    MersenneRandom random(7);
    for (int round = 0; round < 3000; ++round) {
        std::string bytes = good.substr(0, below(random, static_cast<int>(good.size()) + 1));
        const int changes = draw(random, 8);
        for (int i = 0; i < changes && !bytes.empty(); ++i)
            bytes[below(random, static_cast<int>(bytes.size()))] =
                static_cast<char>(below(random, 256));
        const auto loaded = decodesave(bytes, newstate());
        if (!loaded) continue;
        const auto again = encodesave(*loaded);
        ASSERT_TRUE(again) << "round " << round;
        const auto reloaded = decodesave(*again, newstate());
        ASSERT_TRUE(reloaded && *reloaded == *loaded) << "round " << round;
    }
}

// Saves over an older file in a way that must fail, and checks the older file is intact.
class FailedSave : public ::testing::Test {
protected:
    void SetUp() override {
        older = *encodesave(busystate());
        writebytes(target(), older);
    }
    std::string target() const { return folder.file("career.zef"); }
    void expectolderfileintact() {
        EXPECT_EQ(readbytes(target()), older);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1)
            << "no temporary file is left behind";
    }

    TempFolder folder;
    std::string older;
};

TEST_F(FailedSave, AReadOnlyFolderKeepsTheOlderFile) {
    std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_read |
                                                    std::filesystem::perms::owner_exec);
    // Root may write anywhere, so the save is made by an ordinary user in a child process.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (getuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(2);
        const auto failure = savegame(newstate(), target());
        _exit(failure && !failure->empty() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_all);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the save must report its failure";
    expectolderfileintact();
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
    ASSERT_TRUE(failure);
    expectolderfileintact();
}

TEST_F(FailedSave, AMissingFolderOrAFolderInTheWayIsReported) {
    EXPECT_TRUE(savegame(newstate(), folder.file("nowhere/career.zef")));
    std::filesystem::create_directory(folder.file("adir"));
    EXPECT_TRUE(savegame(newstate(), folder.file("adir")));
    EXPECT_TRUE(std::filesystem::is_directory(folder.file("adir")));
    std::filesystem::remove(folder.file("adir"));
    expectolderfileintact();
}

} // namespace
} // namespace quorvane::testing
