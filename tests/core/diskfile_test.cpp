// Saved games on the disk: only regular files are read, never with a hang, and a replaced
// file keeps its permissions. Failed saves are tried through the file options screen.
#include "persist/savefile.h"
#include "state/newgame.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

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
    alarm(0);
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

TEST_F(DiskFile, AReplacedFileKeepsItsPermissions) {
    const auto owner = fs::perms::owner_read | fs::perms::owner_write;
    ASSERT_EQ(savegame(agame("Private"), target), std::nullopt);
    fs::permissions(target, owner);
    ASSERT_EQ(savegame(agame("Still private"), target), std::nullopt);
    EXPECT_EQ(fs::status(target).permissions(), owner);
    EXPECT_EQ(bandin(target), "Still private");
}

} // namespace
} // namespace quorvane::testing
