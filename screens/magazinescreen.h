// The magazine screen: the review of the last gig, and OK back to the main screen.
#pragma once

#include "gamewindow.h"

class QLabel;

namespace quorvane {

class MagazineScreen : public GameWindow {
    Q_OBJECT
public:
    MagazineScreen(Game& game, std::function<void()> refresh);

    void sync() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* txtnews_ = nullptr;
};

} // namespace quorvane
