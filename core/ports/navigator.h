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
    // Closes every screen; the program ends.
    virtual void quit() = 0;
};

} // namespace quorvane
