// The main screen: the manager's desk, showing the band and carrying every weekly action.
#pragma once

#include "gamewindow.h"

#include <array>

class QButtonGroup;
class QLabel;
class QListWidget;
class QPushButton;

namespace quorvane {

class ElidedLabel;

class MainScreen : public GameWindow {
    Q_OBJECT
public:
    MainScreen(Game& game, std::function<void()> refresh);

    void sync() override;

protected:
    // The window's own close control asks the same question as "X".
    void closeEvent(QCloseEvent* event) override;
    // Whenever the screen comes up, the keys start where the week goes on.
    void showEvent(QShowEvent* event) override;
    // A double-click anywhere on the member list, or Enter on it, asks for the report.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildheader();
    QWidget* buildmembers();
    QWidget* buildtracks();
    QWidget* buildpromotion();
    QWidget* buildapplicants();
    QWidget* buildactions();
    // Reports clicks and key moves on a list as its row, but not the refills of a sync.
    template <typename Operation> void wirerows(QListWidget* list, Operation operation);

    ElidedLabel* txtname_ = nullptr;
    ElidedLabel* txtdate_ = nullptr;
    ElidedLabel* txtcash_ = nullptr;
    QLabel* txtapplicant_ = nullptr;
    QListWidget* members_ = nullptr;
    QListWidget* songlist_ = nullptr;
    std::array<QLabel*, 7> panel_{};
    QButtonGroup* promote_ = nullptr;
    QPushButton* hire_ = nullptr;
    QPushButton* dismiss_ = nullptr;
    QPushButton* sack_ = nullptr;
    QPushButton* interview_ = nullptr;
    QPushButton* bookgig_ = nullptr;
    QPushButton* nextweek_ = nullptr;
    bool syncing_ = false;
    bool cameup_ = false; // shown since the last sync
};

} // namespace quorvane
