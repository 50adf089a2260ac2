// Keeping count of the screens on show.
#include "state/screens.h"

namespace quorvane {

void Screens::show(Screen screen) {
    shown_[index(screen)] = true;
    navigator_.show(screen);
}

void Screens::hide(Screen screen) {
    shown_[index(screen)] = false;
    navigator_.hide(screen);
}

void Screens::close(Screen screen) {
    shown_[index(screen)] = false;
    navigator_.close(screen);
}

void Screens::quit() {
    shown_.fill(false);
    navigator_.quit();
}

} // namespace quorvane
