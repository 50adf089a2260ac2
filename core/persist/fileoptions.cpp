// What the file options screen's buttons do.
#include "persist/fileoptions.h"

#include "persist/savefile.h"
#include "state/refresh.h"

namespace quorvane {

namespace {

void discard(Game& game) {
    game.savefrm.reset();
    game.navigator.closefileoptions();
}

void backtomain(Game& game) {
    update(game);
    listupdate(game);
    game.navigator.showmain();
    discard(game);
}

} // namespace

std::string chosenpath(const SaveFormControls& form) {
    return form.folder + "/" + form.thefile;
}

void openfileoptions(Game& game, FileMode mode, const std::string& startfolder) {
    if (!game.savefrm) {
        game.savefrm.emplace();
        game.savefrm->folder = startfolder;
    }
    auto& form = *game.savefrm;
    form.mode = mode;
    form.savevisible = mode == FileMode::save;
    form.Label15 = form.savevisible ? "SAVE" : "";
    game.navigator.showfileoptions();
}

void choosefolder(Game& game, const std::string& folder) {
    game.savefrm->folder = folder;
}

void pickfile(Game& game, const std::string& name) {
    auto& form = *game.savefrm;
    form.thefile = name;
    form.load = form.save = true;
}

void clickfilename(Game& game) {
    game.savefrm->save = true;
}

void typefilename(Game& game, const std::string& text) {
    game.savefrm->thefile = text;
}

void savebutton(Game& game) {
    const auto& form = *game.savefrm;
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
    if (!game.savefrm->load) return;
    if (!loadgame(game.state, chosenpath(*game.savefrm))) {
        game.dialogs.message("This file is not valid or does not exist.", Icon::stop);
        return;
    }
    game.navigator.hidetitle();
    backtomain(game);
    updatesonglist(game);
    game.dialogs.message("Game Loaded");
}

void backbutton(Game& game) {
    game.navigator.hidefileoptions();
}

void closefileoptionswindow(Game& game) {
    // Opened from the title screen there is no band to show yet: go back to the title.
    const bool fromtitle = game.savefrm->mode == FileMode::load;
    discard(game);
    if (fromtitle) {
        game.navigator.showtitle();
    } else {
        game.navigator.showmain();
    }
}

} // namespace quorvane
