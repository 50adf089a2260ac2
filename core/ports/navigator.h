// Screen changes the rules ask for; the front end decides how a screen is shown.
#pragma once

namespace quorvane {

class Navigator {
public:
    virtual ~Navigator() = default;
    virtual void showmain() = 0;
    virtual void hidemain() = 0;
    virtual void showtitle() = 0;
    virtual void hidetitle() = 0;
    // The file options screen, shown over the screen that opened it, as its controls say.
    virtual void showfileoptions() = 0;
    virtual void hidefileoptions() = 0;
    // Discards the file options screen.
    virtual void closefileoptions() = 0;
    // Closes every screen; the program ends.
    virtual void quit() = 0;
};

} // namespace quorvane
