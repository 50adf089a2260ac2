// The file options screen's buttons: both modes, SAVE, LOAD, BACK and the window's close.
#include "persist/fileoptions.h"
#include "persist/savefile.h"
#include "support/gamefixture.h"
#include "support/tempfolder.h"

namespace quorvane::testing {
namespace {

class FileOptionsTest : public GameTest {
protected:
    TempFolder folder;
};

TEST_F(FileOptionsTest, SaveWritesTheNameExactlyAsTypedAndRefreshes) {
    openfileoptions(game, FileMode::save, folder.path());
    clickfilename(game);
    typefilename(game, "no extension");
    applicant();
    savebutton(game);
    EXPECT_TRUE(std::filesystem::exists(folder.file("no extension")));
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"Game Saved"});
    EXPECT_FALSE(game.savefrm);
    EXPECT_EQ(navigator.calls,
              (std::vector<std::string>{"showfileoptions", "showmain", "closefileoptions"}));
}

TEST_F(FileOptionsTest, AFailedSaveSaysSoAndKeepsTheScreenOpen) {
    openfileoptions(game, FileMode::save, folder.file("gone"));
    clickfilename(game);
    savebutton(game);
    EXPECT_EQ(dialogs.shown.back(),
              (Shown{Shown::message, "Please type a name for the saved game.", Icon::warning}));
    typefilename(game, "game.zef");
    savebutton(game);
    EXPECT_EQ(dialogs.shown.back().icon, Icon::stop);
    EXPECT_EQ(dialogs.shown.back().text.rfind("The game could not be saved as ", 0), 0u);
    EXPECT_TRUE(game.savefrm);
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

    openfileoptions(game, FileMode::load, folder.path());
    pickfile(game, "band.zef");
    typefilename(game, "band.zef.typo");
    loadbutton(game);
    EXPECT_EQ(dialogs.shown.back(),
              (Shown{Shown::message, "This file is not valid or does not exist.", Icon::stop}));
    EXPECT_TRUE(game.state == before && game.savefrm);

    typefilename(game, "band.zef");
    applicant();
    loadbutton(game);
    EXPECT_EQ(game.state.bandname, "Saved Band");
    EXPECT_EQ(game.controls.members,
              (std::vector<std::string>{"Vic Vocals", "Gil Guitar", "Dee Drums"}));
    EXPECT_EQ(game.controls.songlist, std::vector<std::string>{"Wild Vibes"});
    EXPECT_NE(game.controls.txtapplicant.find("Bass player"), std::string::npos);
    EXPECT_EQ(dialogs.messages().back(), "Game Loaded");
    EXPECT_EQ(navigator.calls, (std::vector<std::string>{"showfileoptions", "hidetitle", "showmain",
                                                         "closefileoptions"}));
    EXPECT_TRUE(game.main.demo) << "a demo sent in this run still counts";
    EXPECT_EQ(game.state.managerscore, 12);
}

} // namespace
} // namespace quorvane::testing
