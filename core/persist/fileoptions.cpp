// What the file options screen's buttons do. The screen belongs to the screen that opened it
// and acts only while both are up, so it never saves or loads over a game that a gig, a
// record deal or a new game has taken over.
#include "persist/fileoptions.h"

#include "persist/savefile.h"
#include "roster/memberdetails.h"
#include "state/refresh.h"

namespace quorvane {

namespace {

// GAME OPTIONS on the main screen opens it for saving, LOAD GAME on the title for loading.
Screen openerof(FileMode mode) {
    return mode == FileMode::save ? Screen::main : Screen::title;
}

// The controls, while the screen is up to be clicked; nothing when it is hidden or gone.
FileOptionsControls* infront(Game& game) {
    if (!game.fileoptions || !game.screens.shown(Screen::fileoptions)) return nullptr;
    return &*game.fileoptions;
}

void backtomain(Game& game) {
    update(game);
    listupdate(game);
    game.screens.show(Screen::main);
    closefileoptions(game);
}

// A loaded game starts as a fresh program would show it: nothing picked, INTERVIEW off and
// BOOK GIG on, whatever the game before had done this week. A demo tape sent in this run
// still counts.
void startloaded(Game& game) {
    forgetpicks(game);
    game.controls.interview = false;
    game.controls.command4 = true;
    game.declined = false;
}

} // namespace

std::string chosenpath(const FileOptionsControls& form) {
    return form.folder + "/" + form.thefile;
}

void openfileoptions(Game& game, FileMode mode, const std::string& startfolder) {
    const Screen opener = openerof(mode);
    if (!game.screens.shown(opener)) return;
    if (!game.fileoptions) {
        game.fileoptions.emplace();
        game.fileoptions->folder = startfolder;
    }
    auto& form = *game.fileoptions;
    form.mode = mode;
    form.savevisible = mode == FileMode::save;
    form.Label15 = form.savevisible ? "SAVE" : "";
    game.screens.showover(Screen::fileoptions, opener);
}

void closefileoptions(Game& game) {
    if (!game.fileoptions) return;
    game.fileoptions.reset();
    game.screens.close(Screen::fileoptions);
}

void choosefolder(Game& game, const std::string& folder) {
    if (auto* form = infront(game)) form->folder = folder;
}

void pickfile(Game& game, const std::string& name) {
    auto* form = infront(game);
    if (!form) return;
    form->thefile = name;
    form->load = form->save = true;
}

void clickfilename(Game& game) {
    if (auto* form = infront(game)) form->save = true;
}

void typefilename(Game& game, const std::string& text) {
    if (auto* form = infront(game)) form->thefile = text;
}

void savebutton(Game& game) {
    const auto* form = infront(game);
    if (!form || !form->save || !form->savevisible) return;
    if (form->thefile.empty()) {
        game.dialogs.message("Please type a name for the saved game.", Icon::warning);
        return;
    }
    if (const auto failure = savegame(game.state, chosenpath(*form))) {
        game.dialogs.message("The game could not be saved as " + chosenpath(*form) + ": " +
                                 *failure + ". Please choose another folder or name.",
                             Icon::stop);
        return;
    }
    backtomain(game);
    game.dialogs.message("Game Saved");
}

void loadbutton(Game& game) {
    const auto* form = infront(game);
    if (!form || !form->load) return;
    if (!loadgame(game.state, chosenpath(*form))) {
        game.dialogs.message("This file is not valid or does not exist.", Icon::stop);
        return;
    }
    game.screens.hide(Screen::title);
    startloaded(game);
    backtomain(game);
    updatesonglist(game);
    game.dialogs.message("Game Loaded");
}

void backbutton(Game& game) {
    if (infront(game)) game.screens.hide(Screen::fileoptions);
}

void closefileoptionswindow(Game& game) {
    if (infront(game)) closefileoptions(game);
}

} // namespace quorvane
