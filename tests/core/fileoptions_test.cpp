// The file options screen's buttons: both modes, SAVE, LOAD, BACK and the window's close.
#include "persist/fileoptions.h"
#include "persist/savefile.h"
#include "state/startup.h"
#include "support/gamefixture.h"
#include "support/tempfolder.h"

namespace quorvane::testing {
namespace {

class FileOptionsTest : public GameTest {
protected:
    TempFolder folder;
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

    openfileoptions(game, FileMode::load, folder.path());
    pickfile(game, "band.zef");
    typefilename(game, "band.zef.typo");
    loadbutton(game);
    EXPECT_EQ(dialogs.shown.back(),
              (Shown{Shown::message, "This file is not valid or does not exist.", Icon::stop}));
    EXPECT_TRUE(game.state == before && game.fileoptions);

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
