// Screen changes the rules ask for; the front end decides how a screen is shown.
#pragma once

#include <cstddef>

namespace quorvane {

// The game's six screens.
enum class Screen { main, title, fileoptions, gig, magazine, recorddeal };
constexpr std::size_t screencount = 6;

class Navigator {
public:
    virtual ~Navigator() = default;
    // Shows a screen, making it first if it is not loaded; it shows what the core holds.
    virtual void show(Screen screen) = 0;
    // Shows a screen that belongs to `owner`: its window stays above the owner's.
    virtual void showover(Screen screen, Screen /*owner*/) { show(screen); }
    // Hides a screen; it stays loaded with its controls as they were.
    virtual void hide(Screen screen) = 0;
    // Discards a screen; its next showing starts afresh.
    virtual void close(Screen screen) = 0;
    // Closes every screen; the program ends.
    virtual void quit() = 0;
};

} // namespace quorvane
