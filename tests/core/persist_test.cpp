// Saved games: every record at its offset, round trips, refused files, the disk, and the
// file options screen that saves and loads them.
#include "persist/cp1252.h"
#include "persist/fileoptions.h"
#include "persist/savefile.h"
#include "roster/memberdetails.h"
#include "state/refresh.h"
#include "state/startup.h"
#include "support/gamefixture.h"
#include "support/tempfolder.h"

#include <csignal>
#include <linux/capability.h>
#include <map>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace quorvane::testing {
namespace {

namespace fs = std::filesystem;
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
    std::tie(s.popularity, s.cash, s.memberage[2]) = std::tuple(32767, -32768, -5);
    s.membername[4] = "None";
    s.membersex[4] = "0"; // a slot emptied by a departure
    s.listslot = {0, 1, 2, 3, 0};
    std::tie(s.applicantslot, s.lastsong, s.songcount, s.songtimer, s.promotion) =
        std::tuple(4, 19, 19, 3, 3);
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
    Module1 euro = numbered();
    euro.bandname = "\xe2\x82\xac"; // the one letter Windows-1252 keeps at 0x80
    EXPECT_EQ(encodesave(euro)->substr(0, 4), bytes({1, 0, 0x80, 0}));
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

    const std::string file = encodesave(busystate()).value(); // a short file reads as zeros
    const auto shortened = decodesave(file.substr(0, 99 * 128), numbered());
    ASSERT_TRUE(shortened);
    EXPECT_EQ(std::tie(shortened->promotion, shortened->venueopen[5]), std::tuple(0, 0));
    std::string dirty = file + std::string(500, '\x7f'); // and only the records count
    for (std::size_t r = 1; r < 106; ++r)
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
    ASSERT_EQ(mkfifo(folder.file("pipe").c_str(), 0600), 0);
    fs::create_directory(folder.file("sub"));
    alarm(10); // a load that blocks on the pipe ends the test here
    for (const char* name : {"nowhere.zef", "missing.zef", "truncated.zef", "", "pipe", "sub"})
        EXPECT_FALSE(loadgame(state, folder.file(name))) << name;
    EXPECT_FALSE(loadgame(state, "/dev/null"));
    alarm(0);
    EXPECT_TRUE(state == running);
}

TEST(SaveFile, ASaveReplacesOnlyTheFileNamedOrTheOneItsLinkNames) {
    TempFolder folder;
    const std::string target = folder.file("career.zef");
    auto bandin = [](const std::string& path) {
        Module1 s = numbered();
        return loadgame(s, path) ? s.bandname : "(refused)";
    };
    Module1 game = busystate();
    writebytes(folder.file("victim"), "someone else's file");
    fs::create_symlink(folder.file("victim"), target + ".saving");
    ASSERT_EQ(savegame(game, target), std::nullopt);
    EXPECT_EQ(readbytes(folder.file("victim")), "someone else's file");

    const auto owner = fs::perms::owner_read | fs::perms::owner_write;
    fs::permissions(target, owner);
    fs::create_symlink(target, folder.file("link.zef"));
    fs::create_symlink("elsewhere/new.zef", folder.file("dangling.zef"));
    fs::create_directory(folder.file("elsewhere"));
    for (const char* link : {"link.zef", "dangling.zef"}) {
        game.bandname = link;
        ASSERT_EQ(savegame(game, folder.file(link)), std::nullopt) << link;
        EXPECT_TRUE(fs::is_symlink(folder.file(link))) << link;
        EXPECT_EQ(bandin(folder.file(link)), link);
    }
    EXPECT_EQ(fs::status(target).permissions(), owner) << "a replaced file keeps them";
    EXPECT_EQ(bandin(folder.file("elsewhere/new.zef")), "dangling.zef");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 6);
}

class FileOptionsTest : public GameTest {
protected:
    FileOptionsTest() { game.screens.show(Screen::main); }
    TempFolder folder;
};

std::string digest(const std::string& bytes) {
    return std::to_string(bytes.size()) + " bytes #" +
           std::to_string(std::hash<std::string>{}(bytes));
}

// Every entry under `folder`: a file's size and a hash of its bytes, or what else it is.
std::map<std::string, std::string> contents(const std::string& folder) {
    std::map<std::string, std::string> found;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const auto type = entry.symlink_status().type();
        found[entry.path().string()] = type == fs::file_type::regular
                                           ? digest(readbytes(entry.path()))
                                       : type == fs::file_type::directory ? "(folder)"
                                                                          : "(other)";
    }
    return found;
}

// For a while, the disk takes no file over 4 KiB, and root is held to the permission bits
// like any player (it may otherwise write into any folder); both are put back afterwards.
class Hampered {
public:
    explicit Hampered(bool diskfull) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &limit_);
        rlimit small = limit_;
        if (diskfull) small.rlim_cur = 4096;
        setrlimit(RLIMIT_FSIZE, &small);
        syscall(SYS_capget, &header_, caps_);
        __user_cap_data_struct held[2] = {caps_[0], caps_[1]};
        held[0].effective &= ~(1u << CAP_DAC_OVERRIDE);
        syscall(SYS_capset, &header_, held);
    }
    ~Hampered() {
        syscall(SYS_capset, &header_, caps_);
        setrlimit(RLIMIT_FSIZE, &limit_);
    }
    Hampered(const Hampered&) = delete;
    Hampered& operator=(const Hampered&) = delete;

private:
    rlimit limit_{};
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct caps_[2]{};
};

TEST_F(FileOptionsTest, AFailedSaveSaysWhyAndLeavesTheFolderAsItWas) {
    band();
    const std::string older = "an older saved game";
    for (const char* name : {"career.zef", "readonly.zef", "locked/career.zef"}) {
        fs::create_directories(fs::path(folder.file(name)).parent_path());
        writebytes(folder.file(name), older);
    }
    fs::permissions(folder.file("readonly.zef"), fs::perms::owner_read);
    fs::permissions(folder.file("locked"), fs::perms::owner_read | fs::perms::owner_exec);
    fs::create_directory(folder.file("sub"));
    ASSERT_EQ(mkfifo(folder.file("pipe").c_str(), 0600), 0);
    const struct {
        std::string name;
        const char* reason; // nothing: saved
        bool diskfull = false;
    } cases[] = {
        {"", "no name"},
        {"locked/career.zef", "permission denied"},
        {"readonly.zef", "the file is read-only"},
        {"gone/career.zef", "no such file or directory"},
        {"career.zef", "file too large", true},
        {"sub", "it is a folder"},
        {"pipe", "it is not an ordinary file"},
        {std::string(252, 'n') + ".zef", "file name too long"}, // 256 bytes
        {std::string(251, 'n') + ".zef", nullptr},
    };
    for (const auto& [name, reason, diskfull] : cases) {
        SCOPED_TRACE(name.substr(0, 20));
        openfileoptions(game, FileMode::save, folder.path());
        clickfilename(game);
        typefilename(game, name);
        const std::string path = folder.path() + "/" + name;
        auto expected = contents(folder.path());
        if (!reason) expected[path] = digest(encodesave(game.state).value());
        dialogs.shown.clear();
        {
            const Hampered hampered(diskfull);
            savebutton(game);
        }
        const Shown told =
            !reason ? Shown{Shown::message, "Game Saved"}
            : *name.c_str()
                ? Shown{Shown::message,
                        "The game could not be saved as " + path + ": " + reason +
                            ". Please choose another folder or name.",
                        Icon::stop}
                : Shown{Shown::message, "Please type a name for the saved game.", Icon::warning};
        EXPECT_EQ(dialogs.shown, std::vector<Shown>{told});
        EXPECT_EQ(game.fileoptions.has_value(), reason != nullptr) << "open only after a failure";
        EXPECT_EQ(contents(folder.path()), expected) << "an older file, or a temporary one";
    }
    fs::permissions(folder.file("locked"), fs::perms::owner_all);
}

TEST_F(FileOptionsTest, TheScreenActsOnlyOverItsOpenerWhileBothAreUp) {
    writebytes(folder.file("other.zef"), encodesave(numbered()).value());
    auto& s = band();
    const Module1 before = s;
    openfileoptions(game, FileMode::load, folder.path()); // the title screen is not up
    EXPECT_FALSE(game.fileoptions);
    openfileoptions(game, FileMode::save, folder.path());
    EXPECT_EQ(std::tie(game.fileoptions->savevisible, game.fileoptions->Label15),
              std::tuple(true, "SAVE"));
    game.screens.show(Screen::gig); // BOOK GIG: the gig screen takes the main screen's place
    game.screens.hide(Screen::main);
    EXPECT_FALSE(game.screens.shown(Screen::fileoptions));
    pickfile(game, "other.zef");
    clickfilename(game);
    typefilename(game, "mine.zef");
    savebutton(game);
    loadbutton(game);
    EXPECT_EQ(std::tie(game.fileoptions->thefile, game.fileoptions->save), std::tuple("", false));
    game.screens.hide(Screen::gig);
    game.screens.show(Screen::main);
    backbutton(game);
    closefileoptionswindow(game); // and not over a main screen that has come back either
    EXPECT_TRUE(game.fileoptions && s == before && dialogs.shown.empty());
    EXPECT_FALSE(fs::exists(folder.file("mine.zef")));

    openfileoptions(game, FileMode::save, folder.path()); // BACK only hid it
    pickfile(game, "other.zef");
    EXPECT_TRUE(game.fileoptions->load && game.fileoptions->save);
    closefileoptionswindow(game);
    EXPECT_FALSE(game.fileoptions);
    game.screens.hide(Screen::main);
    game.screens.show(Screen::title);
    openfileoptions(game, FileMode::load, folder.path());
    EXPECT_EQ(std::tie(game.fileoptions->savevisible, game.fileoptions->Label15),
              std::tuple(false, ""));
    dialogs.typed = {"Newcomers"};
    startnewgame(game); // NEW GAME takes the title screen away, and its file options
    EXPECT_FALSE(game.screens.shown(Screen::fileoptions));
    EXPECT_EQ(
        navigator.calls,
        (Lines{"show main", "show fileoptions", "show gig", "hide main", "hide fileoptions",
               "hide gig", "show main", "show fileoptions", "close fileoptions", "hide main",
               "show title", "show fileoptions", "show main", "hide title", "hide fileoptions"}));
}

TEST_F(FileOptionsTest, ALoadedGameReplacesTheStoredFieldsAndStartsAsIfFresh) {
    Module1 saved = game.state;
    saved.bandname = "Saved Band";
    saved.membername = {"", "Vic Vocals", "Gil Guitar", "None", "Dee Drums"};
    saved.songname[1] = "Wild Vibes";
    saved.songcount = saved.lastsong = 1;
    ASSERT_EQ(savegame(saved, folder.file("band.zef")), std::nullopt);
    const std::string good = readbytes(folder.file("band.zef"));
    writebytes(folder.file("cut.zef"), good.substr(0, good.size() / 2));
    writebytes(folder.file("huge.zef"), std::string(1 << 20, '\xff'));
    auto& s = band(3);
    std::tie(game.main.demo, s.managerscore, s.lessons[1]) = std::tuple(true, 12, 4);
    game.main.selectedsong = 2;
    listupdate(game);
    showmember(game, 0);
    std::tie(game.controls.interview, game.controls.command4) = std::tuple(true, false);
    const Game before = game;

    openfileoptions(game, FileMode::save, folder.path());
    pickfile(game, "band.zef");
    for (const char* name : {"band.zef.typo", "cut.zef", "huge.zef"}) {
        typefilename(game, name);
        loadbutton(game);
        EXPECT_EQ(dialogs.shown.back(),
                  (Shown{Shown::message, "This file is not valid or does not exist.", Icon::stop}))
            << name;
        EXPECT_TRUE(game.state == before.state && game.fileoptions) << name;
    }
    typefilename(game, "band.zef"); // the name edited after the pick is the one loaded
    applicant();
    loadbutton(game);
    EXPECT_EQ(std::tie(s.bandname, s.songname[1], s.managerscore, s.lessons[1]),
              std::tuple("Saved Band", "Wild Vibes", 12, 4));
    EXPECT_EQ(game.controls.members, (Lines{"Vic Vocals", "Gil Guitar", "Dee Drums"}));
    EXPECT_EQ(game.controls.songlist, Lines{"Wild Vibes"});
    EXPECT_NE(game.controls.txtapplicant.find("Bass player"), std::string::npos);
    EXPECT_EQ(dialogs.messages().back(), "Game Loaded");
    const auto& c = game.controls;
    EXPECT_EQ(std::tie(game.main.Selected, game.main.selectedsong, c.Command2, c.interview,
                       c.command4, game.main.demo),
              std::tuple(0, 0, false, false, true, true))
        << "nothing picked or used up in the game before; a demo sent in this run counts";
}

} // namespace
} // namespace quorvane::testing
