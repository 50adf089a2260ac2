// Saved games on the disk: only regular files, never a hang, never a damaged older file.
#include "persist/savefile.h"
#include "state/newgame.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quorvane::testing {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

Module1 agame(const std::string& name) {
    Module1 s;
    newgame(s);
    s.applicantslot = 1;
    s.bandname = name;
    return s;
}

class DiskFile : public ::testing::Test {
protected:
    // What a save of `name` leaves in the folder, by name.
    std::vector<std::string> names() const {
        std::vector<std::string> found;
        for (const auto& entry : fs::directory_iterator(folder.path()))
            found.push_back(entry.path().filename().string());
        std::sort(found.begin(), found.end());
        return found;
    }
    Module1 loaded(const std::string& path) {
        Module1 s = agame("");
        EXPECT_TRUE(loadgame(s, path)) << path;
        return s;
    }

    TempFolder folder;
    const std::string target = folder.file("career.zef");
};

TEST_F(DiskFile, NamesThatAreNotRegularFilesAreRefusedAtOnce) {
    ASSERT_EQ(mkfifo(folder.file("pipe").c_str(), 0600), 0);
    fs::create_directory(folder.file("folder"));
    alarm(10); // a load that blocks on the pipe ends the test here
    Module1 s = agame("Running");
    for (const std::string& name : {folder.file("pipe"), folder.file("folder"), "/dev/null"s})
        EXPECT_FALSE(loadgame(s, name)) << name;
    for (const std::string& name :
         {folder.file("pipe"), folder.file("folder"), folder.file("gone/career.zef")})
        EXPECT_TRUE(savegame(s, name)) << name << " is refused";
    alarm(0);
    EXPECT_TRUE(fs::is_fifo(folder.file("pipe")) && fs::is_directory(folder.file("folder")));
    EXPECT_EQ(names(), (std::vector<std::string>{"folder", "pipe"}));
}

TEST_F(DiskFile, TheTemporaryFileIsNewAndFollowsNoLink) {
    writebytes(folder.file("victim"), "someone else's file");
    fs::create_symlink(folder.file("victim"), target + ".saving");
    writebytes(folder.file("career.zef.tmp"), "the player's own");
    ASSERT_EQ(savegame(agame("First"), target), std::nullopt);
    EXPECT_EQ(readbytes(folder.file("victim")), "someone else's file");
    EXPECT_TRUE(fs::is_symlink(target + ".saving"));
    EXPECT_EQ(readbytes(folder.file("career.zef.tmp")), "the player's own");
    EXPECT_EQ(loaded(target).bandname, "First");

    // A saved game reached through a link is saved where the link points.
    fs::create_symlink(target, folder.file("link.zef"));
    ASSERT_EQ(savegame(agame("Second"), folder.file("link.zef")), std::nullopt);
    EXPECT_TRUE(fs::is_symlink(folder.file("link.zef")));
    EXPECT_EQ(loaded(target).bandname, "Second");
}

TEST_F(DiskFile, AReplacedFileKeepsItsPermissionsAndAReadOnlyOneIsKept) {
    ASSERT_EQ(savegame(agame("Private"), target), std::nullopt);
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_EQ(savegame(agame("Still private"), target), std::nullopt);
    EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read | fs::perms::owner_write);

    fs::permissions(target, fs::perms::owner_read | fs::perms::group_read);
    const std::string before = readbytes(target);
    EXPECT_EQ(savegame(agame("Overwritten"), target), "the file is read-only");
    EXPECT_EQ(readbytes(target), before);
    EXPECT_EQ(names(), std::vector<std::string>{"career.zef"});
}

TEST_F(DiskFile, AnyNameTheFileSystemTakesCanBeSaved) {
    const std::string longest = folder.file(std::string(251, 'n') + ".zef");
    ASSERT_EQ(savegame(agame("Long"), longest), std::nullopt);
    EXPECT_EQ(loaded(longest).bandname, "Long");
}

// Each case saves over an older file in a way that must fail.
class FailedSave : public DiskFile {
protected:
    void SetUp() override {
        writebytes(target, older);
        writebytes(target + ".saving", "the player's own");
    }
    void TearDown() override {
        EXPECT_EQ(readbytes(target), older);
        EXPECT_EQ(readbytes(target + ".saving"), "the player's own");
        EXPECT_EQ(names(), (std::vector<std::string>{"career.zef", "career.zef.saving"}))
            << "no temporary file is left behind";
    }
    const std::string older = "an older saved game";
};

TEST_F(FailedSave, AReadOnlyFolderKeepsTheOlderFile) {
    fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
    // Root may write anywhere, so an ordinary user makes the save, in a child process.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (getuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(2);
        _exit(savegame(agame("Refused"), target) ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    fs::permissions(folder.path(), fs::perms::owner_all);
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
    const auto failure = savegame(agame("Too big"), target);
    setrlimit(RLIMIT_FSIZE, &before);
    EXPECT_TRUE(failure);
}

} // namespace
} // namespace quorvane::testing
