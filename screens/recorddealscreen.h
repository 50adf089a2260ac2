// The record-deal screen: congratulations, the manager's score and a new band on offer.
#pragma once

#include "gamewindow.h"

class QLabel;

namespace quorvane {

class RecordDealScreen : public GameWindow {
    Q_OBJECT
public:
    RecordDealScreen(Game& game, std::function<void()> refresh);

    void sync() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* txt_ = nullptr;
};

} // namespace quorvane
