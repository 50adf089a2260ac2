// Which screens the player sees. Rules show and hide screens only through here, so the
// game always knows what is up; the navigator does the showing.
#pragma once

#include "ports/navigator.h"

#include <array>
#include <optional>

namespace quorvane {

class Screens {
public:
    explicit Screens(Navigator& navigator) : navigator_(navigator) {}

    void show(Screen screen);
    // Shows a screen that belongs to `owner`. It goes when its owner goes, so it never acts
    // on a game that another screen has taken over.
    void showover(Screen screen, Screen owner);
    // Hides the screen, and every screen shown over it.
    void hide(Screen screen);
    // Discards the screen; the next showing starts afresh. Screens over it are hidden.
    void close(Screen screen);
    void quit();

    bool shown(Screen screen) const { return shown_[index(screen)]; }
    // The screen this one was last shown over, if it belongs to one.
    std::optional<Screen> owner(Screen screen) const { return owner_[index(screen)]; }

private:
    static std::size_t index(Screen screen) { return static_cast<std::size_t>(screen); }
    void hideowned(Screen owner);

    Navigator& navigator_;
    std::array<bool, screencount> shown_{};
    std::array<std::optional<Screen>, screencount> owner_{};
};

} // namespace quorvane
