// Which screens the player sees. Rules show and hide screens only through here, so the
// game always knows what is up; the navigator does the showing.
#pragma once

#include "ports/navigator.h"

#include <array>

namespace quorvane {

class Screens {
public:
    explicit Screens(Navigator& navigator) : navigator_(navigator) {}

    void show(Screen screen);
    void hide(Screen screen);
    // Discards the screen; the next showing starts afresh.
    void close(Screen screen);
    void quit();

    bool shown(Screen screen) const { return shown_[index(screen)]; }

private:
    static std::size_t index(Screen screen) { return static_cast<std::size_t>(screen); }

    Navigator& navigator_;
    std::array<bool, screencount> shown_{};
};

} // namespace quorvane
