// Saved games: every record at its offset, round trips, refused files, the disk, and the
// file options screen that saves and loads them.
#include "support/gamefixture.h"
#include "support/tempfolder.h"

#include <csignal>
#include <linux/capability.h>
#include <map>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

// Present only in a coverage build, which writes out what a child process ran through it.
extern "C" void __gcov_dump() __attribute__((weak));

namespace quorvane::testing {

namespace fs = std::filesystem;

static std::string bytes(std::initializer_list<int> values) {
    return std::string(values.begin(), values.end());
}

// Each stored number is the number of its record, and each stored text "#" and that number.
static Module1 numbered() {
    Module1 s;
    newgame(s);
    s.bandname = "#1";
    s.popularity = 2;
    s.promotion = 100;
    for (int slot = 1, r = 3; slot <= 4; ++slot, r += 12) {
        s.membername[slot] = "#" + std::to_string(r);
        s.memberage[slot] = static_cast<int16>(r + 1);
        s.membersex[slot] = "#" + std::to_string(r + 2);
        int16 n = static_cast<int16>(r + 3);
        for (auto* field : {&s.happiness, &s.illweeks, &s.discord, &s.talent, &s.charisma,
                            &s.attitude, &s.looks, &s.songwriting, &s.listslot})
            (*field)[slot] = n++;
    }
    for (int t = 1; t <= 20; ++t) {
        s.songname[t] = "#" + std::to_string(49 + 2 * t);
        s.songquality[t] = static_cast<int16>(50 + 2 * t);
    }
    int16 n = 91;
    for (auto* scalar : {&s.cash, &s.applicantslot, &s.tiredness, &s.lastsong, &s.songcount,
                         &s.applicantsthisweek, &s.songtimer, &s.invitation})
        *scalar = n++;
    s.venueopen = {0, 102, 103, 104, 105, 106};
    return s;
}

// A playable game with a different value in nearly every stored field, some at the edges.
static Module1 busystate() {
    Module1 s = numbered();
    // 126 bytes once saved, the last the one letter Windows-1252 keeps at 0x80
    s.bandname = std::string(125, 'x') + "\xe2\x82\xac";
    s.cash = -32768;
    s.listslot = {0, 1, 2, 3, 0};
    s.applicantslot = 4;
    s.lastsong = 19;
    s.songcount = 19;
    s.songtimer = 3;
    s.promotion = 3;
    s.gamedate = std::chrono::year{9999} / std::chrono::December / 31;
    return s;
}

TEST(SaveFile, EveryFieldIsStoredInItsOwnRecordAndReadBackUnchanged) {
    const std::string file = encodesave(numbered()).value();
    ASSERT_EQ(file.size(), 106u * 128u);
    for (int n = 1; n <= 106; ++n) {
        const bool member = n >= 3 && n <= 50 && ((n - 3) % 12 == 0 || (n - 3) % 12 == 2);
        const bool text = n == 1 || member || (n >= 51 && n <= 89 && n % 2 == 1);
        std::string value = text ? bytes({2 + (n > 9), 0, '#'}) + std::to_string(n) : bytes({n, 0});
        if (n == 99) value = bytes({0, 0, 0, 0, 0xe0, 0x21, 0xe2, 0x40}); // 1 September 2001
        if (n == 101) value.clear();
        value.resize(128, '\0');
        EXPECT_EQ(file.substr(static_cast<std::size_t>(n - 1) * 128, 128), value) << "record " << n;
    }
    std::string all; // every byte of a text comes back
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(tocp1252(fromcp1252(all)), all);
    EXPECT_EQ(tocp1252("\xc2\x80"), std::nullopt); // the control U+0080 has none

    const std::string busy = encodesave(busystate()).value();
    EXPECT_EQ(busy[127], '\x80');
    Module1 running; // nothing stored in common with the saved game, so every field is read
    newgame(running);
    EXPECT_TRUE(decodesave(busy, running) == busystate());
    // Bytes past the end read as zeros: here from record 100, the promotion.
    EXPECT_EQ(decodesave(busy.substr(0, 99 * 128), numbered()).value().promotion, 0);
    std::string dirty = busy + std::string(500, '\x7f'); // and only the records count
    for (std::size_t r = 1; r < 106; ++r)
        dirty[r * 128 + 127] = '\x55';
    EXPECT_TRUE(decodesave(dirty, numbered()) == decodesave(busy, numbered()));
}

TEST(SaveFile, FilesTheGameCannotPlayAreRefused) {
    struct Refusal {
        const char* name;
        int record;
        std::string value; // its first bytes
    };
    const Refusal refusals[] = {
        {"an empty band name", 1, bytes({0, 0})},
        {"a text too long for its record", 3, bytes({127, 0})},
        {"listslot 5", 14, bytes({5, 0})},
        {"listslot -1", 26, bytes({255, 255})},
        {"applicantslot 0", 92, bytes({0, 0})},
        {"applicantslot 5", 92, bytes({5, 0})},
        {"lastsong 5 beside 19 songs", 94, bytes({5, 0})},
        {"20 songs, one on its way", 94, bytes({20, 0}) + std::string(126, '\0') + bytes({20, 0})},
        {"songcount -1", 95, bytes({255, 255})},
        {"songtimer 11", 97, bytes({11, 0})},
        {"songtimer -1", 97, bytes({255, 255})},
        {"a date that is not a number", 99, bytes({0, 0, 0, 0, 0, 0, 0xf8, 0x7f})},
        {"1 January 10000", 99, bytes({0, 0, 0, 0, 0x41, 0x92, 0x46, 0x41})},
        {"promotion 5", 100, bytes({5, 0})}};
    const std::string good = encodesave(busystate()).value();
    for (const Refusal& row : refusals) {
        SCOPED_TRACE(row.name);
        std::string bad = good;
        bad.replace(static_cast<std::size_t>(row.record - 1) * 128, row.value.size(), row.value);
        EXPECT_FALSE(decodesave(bad, numbered()));
    }
}

// Every entry under `folder`: a hash of a file's bytes and its permissions, or a link's target.
static std::map<std::string, std::string> contents(const std::string& folder) {
    std::map<std::string, std::string> found;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        found[entry.path().string()] = entry.is_symlink() ? fs::read_symlink(entry.path()).string()
                                       : entry.is_regular_file()
                                           ? str(std::hash<std::string>{}(readbytes(entry.path())),
                                                 static_cast<int>(entry.status().permissions()))
                                           : "(other)";
    return found;
}

// Presses SAVE in a child process, so only the child meets the failing disk: it has no
// privileges, so even root is held to the permission bits, and on a full disk none of its
// files may grow past 4 KiB. The child saves and ends there. What it saw comes back: "1" when
// the screen stayed open ("0" when not), then the texts shown, one a line.
static std::string saveinchild(Game& game, const ScriptedDialogs& dialogs, bool diskfull,
                               const std::string& report) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::umask(022);
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        const __user_cap_data_struct none[2]{};
        if (::syscall(SYS_capset, &header, none) != 0) ::_exit(2);
        rlimit usual{};
        ::getrlimit(RLIMIT_FSIZE, &usual);
        const rlimit full{diskfull ? 4096 : usual.rlim_cur, usual.rlim_max};
        std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails rather than ends it
        ::setrlimit(RLIMIT_FSIZE, &full);
        savebutton(game);
        ::setrlimit(RLIMIT_FSIZE, &usual); // the report and coverage counts need the room
        std::string seen = game.fileoptions ? "1" : "0";
        for (const Shown& box : dialogs.shown)
            seen += box.text + "\n";
        writebytes(report, seen);
        if (__gcov_dump) __gcov_dump();
        ::_exit(0);
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    EXPECT_EQ(status, 0) << "the saving child failed (512: it could not give up its privileges)";
    return readbytes(report);
}

TEST_F(GameTest, ASaveSaysWhyItFailedOrWritesOnlyTheFileItNamesAndLoadsBack) {
    TempFolder folder;
    TempFolder reports; // what each child saw, kept out of the folder it saves in
    game.screens.show(Screen::main);
    band();
    listupdate(game); // as every save leaves it
    const auto saved = std::hash<std::string>{}(encodesave(game.state).value());
    for (const char* name : {"career.zef", "readonly.zef"})
        writebytes(folder.file(name), "an older saved game");
    fs::permissions(folder.file("readonly.zef"), fs::perms::owner_read);
    fs::permissions(folder.file("career.zef"), fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(folder.file("career.zef"), folder.file("link.zef"));
    fs::create_symlink("new.zef", folder.file("dangling.zef"));
    fs::create_symlink("/dev/null", folder.file("device"));
    ASSERT_EQ(mkfifo(folder.file("pipe").c_str(), 0600), 0);
    ::mkdir(folder.file("locked").c_str(), 0555);
    struct Row {
        const char* name;
        std::string file;      // the name typed
        const char* told;      // in the message shown
        const char* changed;   // the file the save writes; nothing when it fails
        int mode = 0;          // its permissions then: kept, or those the umask 022 leaves
        bool diskfull = false; // no file may grow past 4 KiB
    };
    const Row rows[] = {
        {"no name", "", "Please type a name", nullptr},
        {"a read-only file", "readonly.zef", ": the file is read-only.", nullptr},
        {"an unwritable folder", "locked/career.zef", ": permission denied.", nullptr},
        {"a full disk", "career.zef", ": file too large.", nullptr, 0, true},
        {"a missing folder", "gone/career.zef", ": no such file or directory.", nullptr},
        {"a folder", "locked", ": it is a folder.", nullptr},
        {"a pipe", "pipe", ": it is not an ordinary file.", nullptr},
        {"a name of 256 bytes", std::string(252, 'n') + ".zef", ": file name too long.", nullptr},
        {"a link", "link.zef", "Game Saved", "career.zef", 0600},
        {"a dangling link", "dangling.zef", "Game Saved", "new.zef", 0644},
        {"values a load would refuse", "unsaveable.zef", "values a saved game cannot", nullptr}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.file == "unsaveable.zef") game.state.songtimer = 11;
        openfileoptions(game, FileMode::save, folder.path());
        clickfilename(game);
        typefilename(game, row.file);
        auto expected = contents(folder.path());
        if (row.changed) expected[folder.file(row.changed)] = str(saved, row.mode);
        const std::string seen = saveinchild(game, dialogs, row.diskfull, reports.file(row.name));
        EXPECT_NE(seen.find(row.told), std::string::npos) << seen;
        EXPECT_EQ(seen.find("Game Saved") != std::string::npos, row.changed != nullptr);
        EXPECT_EQ(seen.starts_with('1'), row.changed == nullptr) << "the screen stays open";
        EXPECT_EQ(contents(folder.path()), expected);
    }
    // Loaded back over the running game: only a regular file that holds a game replaces it.
    game.main.demo = true; // a demo sent in this run still counts
    backbutton(game);      // hidden, not closed: it keeps the folder chosen
    openfileoptions(game, FileMode::save, "/");
    pickfile(game, "career.zef");
    alarm(10); // a load that blocks on the pipe ends the test here
    // The name edited after the pick is the one loaded.
    for (const char* name : {"career.zef.typo", "pipe", "locked", "device"}) {
        typefilename(game, name);
        loadbutton(game);
        EXPECT_EQ(last(), "This file is not valid or does not exist.") << name;
    }
    alarm(0);
    EXPECT_EQ(game.state.songtimer, 11); // still the game the last row could not save
    typefilename(game, "career.zef");
    loadbutton(game);
    EXPECT_EQ(last(), "Game Loaded");
    EXPECT_EQ(game.state.songtimer, 10); // the file's
    EXPECT_TRUE(game.main.demo);
}

} // namespace quorvane::testing
