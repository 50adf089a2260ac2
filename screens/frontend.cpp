// Creating the screens and starting the game.
#include "frontend.h"

#include "state/startup.h"

namespace quorvane {

Frontend::Frontend(Random& random, Dialogs& dialogs)
    : game_(random, dialogs, navigator_), main_(std::make_unique<MainScreen>(game_)),
      title_(std::make_unique<TitleScreen>(game_)) {
    navigator_.attach(game_, main_.get(), title_.get());
}

Frontend::~Frontend() = default;

void Frontend::start() {
    startup(game_);
    main_->sync();
}

} // namespace quorvane
