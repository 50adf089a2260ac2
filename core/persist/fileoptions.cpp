// What the file options screen's buttons do.
#include "persist/fileoptions.h"

#include "persist/savefile.h"
#include "state/refresh.h"

namespace quorvane {

namespace {

void backtomain(Game& game) {
    update(game);
    listupdate(game);
    game.screens.show(Screen::main);
    closefileoptions(game);
}

} // namespace

std::string chosenpath(const FileOptionsControls& form) {
    return form.folder + "/" + form.thefile;
}

void openfileoptions(Game& game, FileMode mode, const std::string& startfolder) {
    if (!game.fileoptions) {
        game.fileoptions.emplace();
        game.fileoptions->folder = startfolder;
    }
    auto& form = *game.fileoptions;
    form.mode = mode;
    form.savevisible = mode == FileMode::save;
    form.Label15 = form.savevisible ? "SAVE" : "";
    game.screens.show(Screen::fileoptions);
}

void closefileoptions(Game& game) {
    if (!game.fileoptions) return;
    game.fileoptions.reset();
    game.screens.close(Screen::fileoptions);
}

void choosefolder(Game& game, const std::string& folder) {
    game.fileoptions->folder = folder;
}

void pickfile(Game& game, const std::string& name) {
    auto& form = *game.fileoptions;
    form.thefile = name;
    form.load = form.save = true;
}

void clickfilename(Game& game) {
    game.fileoptions->save = true;
}

void typefilename(Game& game, const std::string& text) {
    game.fileoptions->thefile = text;
}

void savebutton(Game& game) {
    const auto& form = *game.fileoptions;
    if (!form.save || !form.savevisible) return;
    if (form.thefile.empty()) {
        game.dialogs.message("Please type a name for the saved game.", Icon::warning);
        return;
    }
    if (const auto failure = savegame(game.state, chosenpath(form))) {
        game.dialogs.message("The game could not be saved as " + chosenpath(form) + ": " +
                                 *failure + ". Please choose another folder or name.",
                             Icon::stop);
        return;
    }
    backtomain(game);
    game.dialogs.message("Game Saved");
}

void loadbutton(Game& game) {
    if (!game.fileoptions->load) return;
    if (!loadgame(game.state, chosenpath(*game.fileoptions))) {
        game.dialogs.message("This file is not valid or does not exist.", Icon::stop);
        return;
    }
    game.screens.hide(Screen::title);
    // The member picked belonged to the game before; SACK must not fall on a member of
    // this one that nobody clicked.
    game.main.Selected = 0;
    game.controls.Command2 = false;
    backtomain(game);
    updatesonglist(game);
    game.dialogs.message("Game Loaded");
}

void backbutton(Game& game) {
    game.screens.hide(Screen::fileoptions);
}

void closefileoptionswindow(Game& game) {
    closefileoptions(game);
    // The screen beneath is the one that is current, whoever opened this one; only with
    // nothing beneath does the title screen come back, as there is no band to show.
    for (const Screen s :
         {Screen::main, Screen::title, Screen::gig, Screen::magazine, Screen::recorddeal})
        if (game.screens.shown(s)) return;
    game.screens.show(Screen::title);
}

} // namespace quorvane
