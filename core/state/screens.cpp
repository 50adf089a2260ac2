// Keeping count of the screens on show.
#include "state/screens.h"

namespace quorvane {

void Screens::show(Screen screen) {
    shown_[index(screen)] = true;
    owner_[index(screen)].reset();
    navigator_.show(screen);
}

void Screens::showover(Screen screen, Screen owner) {
    shown_[index(screen)] = true;
    owner_[index(screen)] = owner;
    navigator_.showover(screen, owner);
}

void Screens::hide(Screen screen) {
    shown_[index(screen)] = false;
    navigator_.hide(screen);
    hideowned(screen);
}

void Screens::close(Screen screen) {
    shown_[index(screen)] = false;
    owner_[index(screen)].reset();
    navigator_.close(screen);
    hideowned(screen);
}

void Screens::hideowned(Screen owner) {
    for (std::size_t i = 0; i < screencount; ++i)
        if (shown_[i] && owner_[i] == owner) hide(static_cast<Screen>(i));
}

void Screens::quit() {
    shown_.fill(false);
    navigator_.quit();
}

} // namespace quorvane
