// Saved games on the disk: only regular files, never a hang, never a damaged older file.
#include "persist/savefile.h"
#include "state/newgame.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvane::testing {
namespace {

namespace fs = std::filesystem;

Module1 agame(const std::string& name) {
    Module1 s;
    newgame(s);
    s.applicantslot = 1;
    s.bandname = name;
    return s;
}

class DiskFile : public ::testing::Test {
protected:
    // The names in the folder, so a temporary file left behind shows.
    std::vector<std::string> names() const {
        std::vector<std::string> found;
        for (const auto& entry : fs::directory_iterator(folder.path()))
            found.push_back(entry.path().filename().string());
        std::sort(found.begin(), found.end());
        return found;
    }
    std::string bandin(const std::string& path) {
        Module1 s = agame("");
        return loadgame(s, path) ? s.bandname : "(refused)";
    }

    TempFolder folder;
    const std::string target = folder.file("career.zef");
};

TEST_F(DiskFile, NamesThatAreNotRegularFilesAreRefusedAtOnce) {
    const std::string pipe = folder.file("pipe"), sub = folder.file("sub");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    fs::create_directory(sub);
    alarm(10); // a load that blocks on the pipe ends the test here
    for (const std::string& name : {pipe, sub, std::string("/dev/null")})
        EXPECT_EQ(bandin(name), "(refused)") << name;
    for (const std::string& name : {pipe, sub, folder.file("gone/career.zef")})
        EXPECT_TRUE(savegame(agame("Refused"), name)) << name;
    alarm(0);
    EXPECT_TRUE(fs::is_fifo(pipe) && fs::is_empty(sub));
    EXPECT_EQ(names(), (std::vector<std::string>{"pipe", "sub"}));
}

TEST_F(DiskFile, TheTemporaryFileIsNewAndFollowsNoLink) {
    writebytes(folder.file("victim"), "someone else's file");
    fs::create_symlink(folder.file("victim"), target + ".saving");
    ASSERT_EQ(savegame(agame("First"), target), std::nullopt);
    EXPECT_EQ(readbytes(folder.file("victim")), "someone else's file");
    EXPECT_TRUE(fs::is_symlink(target + ".saving"));
    EXPECT_EQ(bandin(target), "First");

    // A saved game reached through a link is saved where the link points.
    fs::create_symlink(target, folder.file("link.zef"));
    ASSERT_EQ(savegame(agame("Second"), folder.file("link.zef")), std::nullopt);
    EXPECT_TRUE(fs::is_symlink(folder.file("link.zef")));
    EXPECT_EQ(bandin(target), "Second");
}

TEST_F(DiskFile, AReplacedFileKeepsItsPermissionsAndAReadOnlyOneIsKept) {
    const auto owner = fs::perms::owner_read | fs::perms::owner_write;
    ASSERT_EQ(savegame(agame("Private"), target), std::nullopt);
    fs::permissions(target, owner);
    ASSERT_EQ(savegame(agame("Still private"), target), std::nullopt);
    EXPECT_EQ(fs::status(target).permissions(), owner);

    fs::permissions(target, fs::perms::owner_read);
    EXPECT_EQ(savegame(agame("Overwritten"), target), "the file is read-only");
    EXPECT_EQ(bandin(target), "Still private");
    EXPECT_EQ(names(), std::vector<std::string>{"career.zef"});

    const std::string longest = folder.file(std::string(251, 'n') + ".zef"); // 255 bytes
    ASSERT_EQ(savegame(agame("Long"), longest), std::nullopt);
    EXPECT_EQ(bandin(longest), "Long");
}

TEST_F(DiskFile, AFailedSaveKeepsTheOlderFileAndWhatThePlayerHad) {
    writebytes(target, "an older saved game");
    writebytes(target + ".saving", "the player's own");
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
    EXPECT_EQ(readbytes(target), "an older saved game");
    EXPECT_EQ(readbytes(target + ".saving"), "the player's own");
    EXPECT_EQ(names(), (std::vector<std::string>{"career.zef", "career.zef.saving"}));
}

} // namespace
} // namespace quorvane::testing
