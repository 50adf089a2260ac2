// From program start to the main screen.
#include "state/startup.h"

#include "persist/cp1252.h"
#include "state/newgame.h"
#include "state/refresh.h"

namespace quorvane {

namespace {

// The new-game values. The manager's score and the lesson progress belong to the player's
// whole run, not to one band, so they carry over.
void freshgame(Game& game) {
    const auto score = game.state.managerscore;
    const auto lessons = game.state.lessons;
    game.state = Module1{};
    newgame(game.state);
    game.state.applicantslot = 1;
    game.state.popularity = 100;
    game.state.managerscore = score;
    game.state.lessons = lessons;
    game.main = MainVars{};
    game.controls = MainControls{};
}

} // namespace

void startup(Game& game) {
    game.screens.hide(Screen::main);
    game.screens.show(Screen::title);
    freshgame(game);
    update(game);
}

void startnewgame(Game& game) {
    std::string name = game.dialogs.prompt("Please enter the name of the Band:", "NEW BAND", "");
    // A name the saved game could not hold would be lost or mangled by the first save.
    if (const auto problem = bandnameproblem(name)) {
        game.dialogs.message(*problem, Icon::stop);
        return;
    }
    if (name.empty()) {
        game.state.bandname.clear();
        game.dialogs.message("Invalid Band Name.", Icon::stop);
        return;
    }
    // After NO to a new band the state still holds that band; the player starts afresh.
    if (game.declined) {
        freshgame(game);
        game.declined = false;
    }
    game.state.bandname = std::move(name);
    update(game);
    listupdate(game);
    updatesonglist(game);
    game.screens.show(Screen::main);
    game.screens.hide(Screen::title);
}

void secretjoke(Game& game) {
    game.dialogs.message("Just get on and play will you!!");
}

void quitgame(Game& game) {
    if (game.dialogs.askcarefully("Are you sure you want to quit?")) game.screens.quit();
}

void exitgame(Game& game) {
    game.screens.quit();
}

} // namespace quorvane
