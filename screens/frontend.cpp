// Creating the screens and starting the game.
#include "frontend.h"

#include "fileoptionsscreen.h"
#include "gigscreen.h"
#include "magazinescreen.h"
#include "mainscreen.h"
#include "recorddealscreen.h"
#include "state/startup.h"
#include "theme.h"
#include "titlescreen.h"

#include <QApplication>

namespace quorvane {

Frontend::Frontend(Random& random, Dialogs& dialogs) : game_(random, dialogs, navigator_) {
    qApp->setStyleSheet(theme::application());
    auto refresh = [this] { navigator_.refresh(); };
    navigator_.define(Screen::main, [this, refresh] { return new MainScreen(game_, refresh); });
    navigator_.define(Screen::title, [this, refresh] { return new TitleScreen(game_, refresh); });
    navigator_.define(Screen::fileoptions,
                      [this, refresh] { return new FileOptionsScreen(game_, refresh); });
    navigator_.define(Screen::gig, [this, refresh] { return new GigScreen(game_, refresh); });
    navigator_.define(Screen::magazine,
                      [this, refresh] { return new MagazineScreen(game_, refresh); });
    navigator_.define(Screen::recorddeal,
                      [this, refresh] { return new RecordDealScreen(game_, refresh); });
}

// The windows go first: they refer to the game.
Frontend::~Frontend() {
    navigator_.destroyall();
}

// The main screen is made when a game first shows it, so the title appears sooner.
void Frontend::start() {
    startup(game_);
}

// Made now if no game has shown it yet.
MainScreen& Frontend::mainscreen() {
    return static_cast<MainScreen&>(navigator_.window(Screen::main));
}

TitleScreen& Frontend::titlescreen() {
    return static_cast<TitleScreen&>(navigator_.window(Screen::title));
}

} // namespace quorvane
