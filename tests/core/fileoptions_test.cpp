// The file options screen's buttons: both modes, SAVE, LOAD, BACK and the window's close.
#include "persist/fileoptions.h"
#include "persist/savefile.h"
#include "state/refresh.h"
#include "support/gamefixture.h"
#include "support/tempfolder.h"

namespace quorvane::testing {
namespace {

class FileOptionsTest : public GameTest {
protected:
    void applicant() {
        for (int i = 0; i < 9; ++i)
            random.give(1, 10);
    }
    // A saved game of a three-piece band with two tracks, in the temporary folder.
    void savedgame(const std::string& name) {
        Module1 s = game.state;
        s.bandname = "Saved Band";
        s.membername = {"", "Vic Vocals", "Gil Guitar", "None", "Dee Drums"};
        s.songname[1] = "Wild Vibes";
        s.songname[2] = "Cold Love";
        s.songcount = s.lastsong = 2;
        s.applicantslot = 3;
        ASSERT_EQ(savegame(s, folder.file(name)), std::nullopt);
    }

    TempFolder folder;
};

TEST_F(FileOptionsTest, LoadModeHidesSaveEvenAfterAFileIsPicked) {
    openfileoptions(game, FileMode::load, folder.path());
    ASSERT_TRUE(game.savefrm);
    EXPECT_FALSE(game.savefrm->savevisible);
    EXPECT_EQ(game.savefrm->Label15, "");
    EXPECT_FALSE(game.savefrm->load || game.savefrm->save);
    pickfile(game, "old.zef");
    EXPECT_TRUE(game.savefrm->load);
    EXPECT_FALSE(game.savefrm->savevisible);
    EXPECT_EQ(navigator.calls, std::vector<std::string>{"showfileoptions"});
}

TEST_F(FileOptionsTest, BackKeepsTheControlsUntilTheScreenIsClosed) {
    openfileoptions(game, FileMode::save, folder.path());
    EXPECT_EQ(game.savefrm->Label15, "SAVE");
    clickfilename(game);
    EXPECT_TRUE(game.savefrm->save);
    EXPECT_FALSE(game.savefrm->load) << "a click into the name box enables SAVE only";
    typefilename(game, "mine.zef");
    choosefolder(game, folder.file("sub"));
    backbutton(game);
    EXPECT_FALSE(navigator.fileoptionsshown);

    openfileoptions(game, FileMode::load, "/elsewhere");
    EXPECT_EQ(game.savefrm->folder, folder.file("sub"));
    EXPECT_EQ(game.savefrm->thefile, "mine.zef");
    EXPECT_TRUE(game.savefrm->save);
    EXPECT_FALSE(game.savefrm->savevisible) << "the new mode applies";
}

TEST_F(FileOptionsTest, SaveWritesTheNameExactlyAsTypedAndRefreshes) {
    openfileoptions(game, FileMode::save, folder.path());
    clickfilename(game);
    typefilename(game, "no extension");
    applicant(); // the refresh offers a new applicant
    savebutton(game);
    EXPECT_TRUE(std::filesystem::exists(folder.file("no extension")));
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"Game Saved"});
    EXPECT_FALSE(game.savefrm) << "the screen is discarded";
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
    EXPECT_EQ(dialogs.messages().size(), 2u) << "never \"Game Saved\"";
}

TEST_F(FileOptionsTest, AValidLoadLandsOnTheMainScreenWithTheBand) {
    savedgame("band.zef");
    game.main.demo = true;
    game.state.managerscore = 12;
    game.state.lessons[2] = 4;
    openfileoptions(game, FileMode::load, folder.path());
    pickfile(game, "band.zef");
    applicant();
    loadbutton(game);
    EXPECT_EQ(game.state.bandname, "Saved Band");
    EXPECT_EQ(game.controls.members,
              (std::vector<std::string>{"Vic Vocals", "Gil Guitar", "Dee Drums"}));
    EXPECT_EQ(game.controls.songlist, (std::vector<std::string>{"Wild Vibes", "Cold Love"}));
    EXPECT_NE(game.controls.txtapplicant.find("Bass player"), std::string::npos);
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"Game Loaded"});
    EXPECT_EQ(navigator.calls, (std::vector<std::string>{"showfileoptions", "hidetitle", "showmain",
                                                         "closefileoptions"}));
    EXPECT_TRUE(game.main.demo) << "a demo sent in this run still counts";
    EXPECT_EQ(game.state.managerscore, 12);
    EXPECT_EQ(game.state.lessons[2], 4);
}

TEST_F(FileOptionsTest, AnInvalidLoadIsRefusedAndTheEditedNameIsTheOneRead) {
    savedgame("band.zef");
    const Module1 before = game.state;
    openfileoptions(game, FileMode::load, folder.path());
    pickfile(game, "band.zef");
    typefilename(game, "band.zef.typo");
    loadbutton(game);
    EXPECT_EQ(dialogs.shown.back(),
              (Shown{Shown::message, "This file is not valid or does not exist.", Icon::stop}));
    EXPECT_TRUE(game.state == before);
    EXPECT_TRUE(game.savefrm);
}

TEST_F(FileOptionsTest, ClosingTheWindowReturnsToTheScreenThatOpenedIt) {
    openfileoptions(game, FileMode::load, folder.path());
    closefileoptionswindow(game);
    EXPECT_EQ(navigator.calls.back(), "showtitle");
    EXPECT_FALSE(game.savefrm);
    openfileoptions(game, FileMode::save, folder.path());
    closefileoptionswindow(game);
    EXPECT_EQ(navigator.calls.back(), "showmain");
}

} // namespace
} // namespace quorvane::testing
