// The file options screen's buttons: both modes, SAVE, LOAD, BACK and the window's close, and
// saves the disk refuses.
#include "persist/fileoptions.h"
#include "persist/savefile.h"
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

class FileOptionsTest : public GameTest {
protected:
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

TEST_F(FileOptionsTest, SaveWritesTheNameAsTypedButNeverAGameLoadingWouldRefuse) {
    openfileoptions(game, FileMode::save, folder.path());
    clickfilename(game);
    savebutton(game);
    EXPECT_EQ(dialogs.shown.back(),
              (Shown{Shown::message, "Please type a name for the saved game.", Icon::warning}));
    typefilename(game, "no extension");
    game.state.bandname.clear(); // the prompt cancelled over a running game, say
    savebutton(game);
    EXPECT_EQ(dialogs.shown.back().text.rfind("The game could not be saved as ", 0), 0u);
    EXPECT_EQ(dialogs.shown.back().icon, Icon::stop);
    EXPECT_FALSE(std::filesystem::exists(folder.file("no extension")));
    EXPECT_TRUE(game.fileoptions) << "the screen stays open";

    game.state.bandname = "Named";
    applicant();
    savebutton(game);
    EXPECT_TRUE(std::filesystem::exists(folder.file("no extension")));
    EXPECT_EQ(std::tie(dialogs.messages().back(), game.fileoptions),
              std::tuple("Game Saved", std::nullopt));
    EXPECT_EQ(navigator.calls, (Lines{"show fileoptions", "show main", "close fileoptions"}));
}

TEST_F(FileOptionsTest, AFailedSaveSaysWhyAndLeavesTheFolderAsItWas) {
    fillband(); // no applicant is drawn after a save
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
        const Shown told = reason ? Shown{Shown::message,
                                          "The game could not be saved as " + path + ": " + reason +
                                              ". Please choose another folder or name.",
                                          Icon::stop}
                                  : Shown{Shown::message, "Game Saved"};
        EXPECT_EQ(dialogs.shown, std::vector<Shown>{told});
        EXPECT_EQ(game.fileoptions.has_value(), reason != nullptr) << "open only after a failure";
        EXPECT_EQ(contents(folder.path()), expected) << "an older file, or a temporary one";
    }
    fs::permissions(folder.file("locked"), fs::perms::owner_all);
}

TEST_F(FileOptionsTest, TheTitleScreenNeverComesBackOverARunningGame) {
    game.screens.show(Screen::title);
    openfileoptions(game, FileMode::load, folder.path());
    closefileoptionswindow(game);
    EXPECT_EQ(navigator.calls, (Lines{"show title", "show fileoptions", "close fileoptions"}));

    openfileoptions(game, FileMode::load, folder.path());
    dialogs.typed = {"Newcomers"};
    applicant();
    startnewgame(game);
    EXPECT_FALSE(game.fileoptions) << "LOAD GAME's screen went with the title screen";
    openfileoptions(game, FileMode::save, folder.path());
    navigator.calls.clear();
    closefileoptionswindow(game);
    EXPECT_EQ(navigator.calls, Lines{"close fileoptions"}) << "the main screen stays current";
    EXPECT_TRUE(game.screens.shown(Screen::main) && !game.screens.shown(Screen::title));
}

TEST_F(FileOptionsTest, LoadTakesTheEditedNameAndReplacesOnlyTheStoredGame) {
    Module1 saved = game.state;
    saved.bandname = "Saved Band";
    saved.membername = {"", "Vic Vocals", "Gil Guitar", "None", "Dee Drums"};
    saved.songname[1] = "Wild Vibes";
    saved.songcount = saved.lastsong = 1;
    ASSERT_EQ(savegame(saved, folder.file("band.zef")), std::nullopt);
    game.main.demo = true;
    game.state.managerscore = 12;
    const Module1 before = game.state;

    const std::string good = readbytes(folder.file("band.zef"));
    std::string noise(good.size(), '\0');
    for (std::size_t i = 0; i < noise.size(); ++i)
        noise[i] = static_cast<char>(i * 2654435761u >> 13);
    writebytes(folder.file("noise.zef"), noise);
    writebytes(folder.file("cut.zef"), good.substr(0, good.size() / 2));
    writebytes(folder.file("huge.zef"), std::string(1 << 20, '\xff'));

    openfileoptions(game, FileMode::load, folder.path());
    pickfile(game, "band.zef");
    for (const char* name : {"band.zef.typo", "noise.zef", "cut.zef", "huge.zef"}) {
        typefilename(game, name);
        loadbutton(game);
        EXPECT_EQ(dialogs.shown.back(),
                  (Shown{Shown::message, "This file is not valid or does not exist.", Icon::stop}))
            << name;
        EXPECT_TRUE(game.state == before && game.fileoptions) << name;
    }

    typefilename(game, "band.zef");
    applicant();
    loadbutton(game);
    EXPECT_EQ(game.state.bandname, "Saved Band");
    EXPECT_EQ(game.controls.members, (Lines{"Vic Vocals", "Gil Guitar", "Dee Drums"}));
    EXPECT_EQ(game.controls.songlist, Lines{"Wild Vibes"});
    EXPECT_NE(game.controls.txtapplicant.find("Bass player"), std::string::npos);
    EXPECT_EQ(dialogs.messages().back(), "Game Loaded");
    EXPECT_EQ(navigator.calls,
              (Lines{"show fileoptions", "hide title", "show main", "close fileoptions"}));
    EXPECT_TRUE(game.main.demo) << "a demo sent in this run still counts";
    EXPECT_EQ(game.state.managerscore, 12);
}

} // namespace
} // namespace quorvane::testing
