// Screen changes on the real windows.
#pragma once

#include "ports/navigator.h"
#include "state/game.h"

#include <QPointer>

namespace quorvane {

class FileOptionsScreen;
class MainScreen;
class TitleScreen;

class QtNavigator final : public Navigator {
public:
    ~QtNavigator() override;
    void attach(Game& game, MainScreen* main, TitleScreen* title);

    void showmain() override;
    void hidemain() override;
    void showtitle() override;
    void hidetitle() override;
    void showfileoptions() override;
    void hidefileoptions() override;
    void closefileoptions() override;
    void quit() override;

private:
    void refresh();

    Game* game_ = nullptr;
    MainScreen* main_ = nullptr;
    TitleScreen* title_ = nullptr;
    // Created on opening and discarded on closing; may be waiting for deletion.
    QPointer<FileOptionsScreen> files_;
};

} // namespace quorvane
