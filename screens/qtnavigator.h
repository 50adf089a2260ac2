// Screen changes on the real windows.
#pragma once

#include "ports/navigator.h"

namespace quorvane {

class MainScreen;
class TitleScreen;

class QtNavigator final : public Navigator {
public:
    void setscreens(MainScreen* main, TitleScreen* title);

    void showmain() override;
    void hidemain() override;
    void showtitle() override;
    void hidetitle() override;
    void quit() override;

private:
    MainScreen* main_ = nullptr;
    TitleScreen* title_ = nullptr;
};

} // namespace quorvane
