// Saved games: every record at its offset, round trips, refused files, the disk, and the
// file options screen that saves and loads them.
#include "support/gamefixture.h"
#include "support/tempfolder.h"

#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvane::testing {

namespace fs = std::filesystem;
using namespace std::chrono;

static std::string bytes(std::initializer_list<int> values) {
    return std::string(values.begin(), values.end());
}
static std::string text(int n) {
    return "#" + std::to_string(n);
}

// Each stored number is the number of its record, and each stored text "#" and that number.
static Module1 numbered() {
    Module1 s;
    newgame(s);
    std::tie(s.bandname, s.popularity, s.promotion) = std::tuple(text(1), 2, 100);
    for (int slot = 1, r = 3; slot <= 4; ++slot, r += 12) {
        std::tie(s.membername[slot], s.memberage[slot], s.membersex[slot]) =
            std::tuple(text(r), r + 1, text(r + 2));
        int16 n = static_cast<int16>(r + 3);
        for (auto* field : {&s.happiness, &s.illweeks, &s.discord, &s.talent, &s.charisma,
                            &s.attitude, &s.looks, &s.songwriting, &s.listslot})
            (*field)[slot] = n++;
    }
    for (int t = 1; t <= 20; ++t)
        std::tie(s.songname[t], s.songquality[t]) = std::tuple(text(49 + 2 * t), 50 + 2 * t);
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
    std::tie(s.popularity, s.cash, s.memberage[2], s.membername[4], s.membersex[4]) =
        std::tuple(32767, -32768, -5, "None", "0");
    std::tie(s.listslot, s.applicantslot, s.lastsong, s.songcount, s.songtimer, s.promotion) =
        std::tuple(Ints<4>{0, 1, 2, 3, 0}, 4, 19, 19, 3, 3);
    std::tie(s.gamedate, s.venueopen, s.bandname) =
        std::tuple(year{9999} / December / 31, Ints<5>{0, -1, 0, -1, -1, 0},
                   std::string(125, 'x') + "\xc3\xa9");
    return s;
}

TEST(SaveFile, EveryFieldIsStoredInItsOwnRecordAndReadBackUnchanged) {
    const std::string file = encodesave(numbered()).value();
    ASSERT_EQ(file.size(), 106u * 128u);
    for (int n = 1; n <= 106; ++n) {
        const bool member = n >= 3 && n <= 50 && ((n - 3) % 12 == 0 || (n - 3) % 12 == 2);
        const bool istext = n == 1 || member || (n >= 51 && n <= 89 && n % 2 == 1);
        std::string value = istext ? bytes({2 + (n > 9), 0}) + text(n) : bytes({n, 0});
        if (n == 99) value = bytes({0, 0, 0, 0, 0xe0, 0x21, 0xe2, 0x40}); // 1 September 2001
        if (n == 101) value.clear();
        value.resize(128, '\0');
        EXPECT_EQ(file.substr(static_cast<std::size_t>(n - 1) * 128, 128), value) << "record " << n;
    }
    Module1 euro = numbered();
    euro.bandname = "\xe2\x82\xac"; // the one letter Windows-1252 keeps at 0x80
    EXPECT_EQ(encodesave(euro)->substr(0, 4), bytes({1, 0, 0x80, 0}));
    std::string all; // every byte of a text comes back, and a star has no byte
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(std::tuple(tocp1252(fromcp1252(all)), tocp1252("\xe2\x98\x85"), tocp1252("\xc2\x80")),
              std::tuple(all, std::nullopt, std::nullopt)); // nor has a control U+0080

    Module1 running; // nothing stored in common with the saved game, so every field is read
    newgame(running);
    const std::string busy = encodesave(busystate()).value();
    EXPECT_TRUE(decodesave(busy, running) == busystate());
    const auto shortened = decodesave(busy.substr(0, 99 * 128), numbered()); // zeros from 100
    ASSERT_TRUE(shortened);
    EXPECT_EQ(std::tuple(shortened->promotion, shortened->venueopen[5]), std::tuple(0, 0));
    std::string dirty = busy + std::string(500, '\x7f'); // and only the records count
    for (std::size_t r = 1; r < 106; ++r)
        dirty[r * 128 + 127] = '\x55';
    EXPECT_TRUE(decodesave(dirty, numbered()) == decodesave(busy, numbered()));
}

TEST(SaveFile, FilesTheGameCannotPlayAreRefusedAndChangeNothing) {
    TempFolder folder;
    const std::string good = encodesave(busystate()).value();
    // By record and its first two bytes: an empty name, a text too long, listslot 5 and -1,
    // lastsong 5 beside 19 songs, songcount -1, applicantslot 0 and 5, songtimer 11 and -1,
    // promotion 5; a date that is not a number and 1 January 10000; 20 songs written with one
    // on its way.
    std::vector<std::pair<int, std::string>> refusals = {
        {99, bytes({0, 0, 0, 0, 0, 0, 0xf8, 0x7f})},
        {99, bytes({0, 0, 0, 0, 0x41, 0x92, 0x46, 0x41})},
        {94, bytes({20, 0}) + std::string(126, '\0') + bytes({20, 0})}};
    const int twobytes[][3] = {{1, 0, 0},   {3, 127, 0},    {14, 5, 0}, {26, 255, 255},
                               {94, 5, 0},  {95, 255, 255}, {92, 0, 0}, {92, 5, 0},
                               {97, 11, 0}, {97, 255, 255}, {100, 5, 0}};
    for (const auto& [n, low, high] : twobytes)
        refusals.emplace_back(n, bytes({low, high}));
    const Module1 running = numbered();
    Module1 state = running;
    for (const auto& [n, value] : refusals) {
        std::string bad = good;
        bad.replace(static_cast<std::size_t>(n - 1) * 128, value.size(), value);
        EXPECT_FALSE(decodesave(bad, running)) << "record " << n;
    }
    writebytes(folder.file("truncated.zef"), good.substr(0, 60 * 128));
    ASSERT_EQ(mkfifo(folder.file("pipe").c_str(), 0600), 0);
    alarm(10); // a load that blocks on the pipe ends the test here
    for (const std::string name : {"missing.zef", "truncated.zef", "", "pipe", "/dev/null"})
        EXPECT_FALSE(loadgame(state, folder.file(name))) << name;
    alarm(0);
    EXPECT_TRUE(state == running);
}

// Every entry under `folder`: a file's size, permissions and a hash of its bytes, or a link's
// target.
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

TEST_F(GameTest, ASaveSaysWhyItFailedOrWritesOnlyTheFileItNamesAndLoadsBack) {
    TempFolder folder;
    game.screens.show(Screen::main);
    band();
    listupdate(game); // as every save leaves it
    const auto saved = std::hash<std::string>{}(encodesave(game.state).value());
    const mode_t mask = ::umask(0); // a new file's permissions are those the umask leaves
    ::umask(mask);
    for (const char* name : {"career.zef", "readonly.zef", "elsewhere/x"})
        fs::create_directories(fs::path(folder.file(name)).parent_path()),
            writebytes(folder.file(name), "an older saved game");
    fs::permissions(folder.file("readonly.zef"), fs::perms::owner_read);
    fs::permissions(folder.file("career.zef"), fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(folder.file("career.zef"), folder.file("link.zef"));
    fs::create_symlink("elsewhere/new.zef", folder.file("dangling.zef"));
    ASSERT_EQ(mkfifo(folder.file("pipe").c_str(), 0600), 0);
    const std::tuple<std::string, const char*, const char*> cases[] = {
        // name, why it fails (nothing: saved), the file that changes, keeping its permissions
        {"", "Please type a name", nullptr},
        {"readonly.zef", ": the file is read-only. Please", nullptr},
        {"gone/career.zef", ": no such file or directory. Please", nullptr},
        {"elsewhere", ": it is a folder. Please", nullptr},
        {"pipe", ": it is not an ordinary file. Please", nullptr},
        {"link.zef", nullptr, "career.zef"},
        {"dangling.zef", nullptr, "elsewhere/new.zef"},
        {"unsaveable.zef", "values a saved game cannot hold", nullptr}}; // a load would refuse
    for (const auto& [name, reason, changed] : cases) {
        if (name == "unsaveable.zef") game.state.songtimer = 11;
        openfileoptions(game, FileMode::save, folder.path());
        clickfilename(game);
        typefilename(game, name);
        auto expected = contents(folder.path());
        const std::string path = folder.file(changed && *changed ? changed : name);
        if (changed)
            expected[path] =
                str(saved, static_cast<int>(expected.count(path) ? fs::status(path).permissions()
                                                                 : fs::perms(0666 & ~mask)));
        savebutton(game);
        EXPECT_EQ(str(last().find(reason ? reason : "Game Saved") != std::string::npos,
                      game.fileoptions.has_value()),
                  str(true, reason != nullptr))
            << name.substr(0, 20);
        EXPECT_EQ(contents(folder.path()), expected) << name.substr(0, 20);
    }
    // Loaded back: the stored fields replaced, the rest kept (a demo sent in this run counts).
    std::tie(game.state.bandname, game.state.managerscore, game.main.demo) =
        std::tuple("Renamed", 12, true);
    openfileoptions(game, FileMode::save, "/");
    choosefolder(game, folder.path());
    backbutton(game); // hidden, not closed: it keeps the folder chosen
    openfileoptions(game, FileMode::save, "/");
    pickfile(game, "career.zef");
    typefilename(game, "career.zef.typo");
    loadbutton(game);
    EXPECT_EQ(str(last(), game.state.bandname),
              "This file is not valid or does not exist. Renamed");
    typefilename(game, "career.zef"); // the name edited after the pick is the one loaded
    loadbutton(game);
    EXPECT_EQ(str(last(), game.state.bandname, game.state.songtimer, game.state.managerscore,
                  game.main.demo),
              "Game Loaded The Testers 10 12 1");
}

} // namespace quorvane::testing
