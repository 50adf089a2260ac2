// The title screen: NEW GAME, LOAD GAME, EXIT and a hidden joke.
#pragma once

#include "state/game.h"

#include <QWidget>

namespace quorvane {

class TitleScreen : public QWidget {
    Q_OBJECT
public:
    explicit TitleScreen(Game& game);

protected:
    // Closing the window ends the program, like EXIT.
    void closeEvent(QCloseEvent* event) override;

private:
    Game& game_;
};

} // namespace quorvane
