// The gig screen: pick a venue, APPLY, pick six tracks, then PLAY GIG or go BACK.
#pragma once

#include "gamewindow.h"

#include <array>

class QButtonGroup;
class QComboBox;
class QLabel;
class QPushButton;

namespace quorvane {

class GigScreen : public GameWindow {
    Q_OBJECT
public:
    GigScreen(Game& game, std::function<void()> refresh);

    void sync() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildvenues();
    QWidget* buildtracks();
    QWidget* buildbuttons();

    QButtonGroup* location_ = nullptr;
    QPushButton* apply_ = nullptr;
    QComboBox* picker_ = nullptr;
    QWidget* list_ = nullptr; // the picker's list, a window of its own when it is up
    bool listopen_ = false;   // the list has come up and nothing is picked from it yet
    std::array<QLabel*, setlength> tracks_{};
    QPushButton* play_ = nullptr;
};

} // namespace quorvane
