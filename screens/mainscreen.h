// The main screen: the manager's desk, showing the band and carrying every weekly action.
#pragma once

#include "state/game.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;

namespace quorvane {

class MainScreen : public QWidget {
    Q_OBJECT
public:
    explicit MainScreen(Game& game);

    // Shows the state and the main screen's control values.
    void sync();

protected:
    // The window's own close control asks the same question as "X".
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildheader();
    QWidget* buildmembers();
    QWidget* buildtracks();
    QWidget* buildpromotion();
    QWidget* buildapplicants();
    QWidget* buildactions();
    // Runs one core operation behind a click, then shows its result.
    template <typename Operation> void wire(QPushButton* button, Operation operation);

    Game& game_;
    QLabel* txtname_ = nullptr;
    QLabel* txtdate_ = nullptr;
    QLabel* txtcash_ = nullptr;
    QLabel* txtapplicant_ = nullptr;
    QListWidget* members_ = nullptr;
    QListWidget* songlist_ = nullptr;
    QPushButton* hire_ = nullptr;
    QPushButton* dismiss_ = nullptr;
    QPushButton* sack_ = nullptr;
    QPushButton* interview_ = nullptr;
    QPushButton* bookgig_ = nullptr;
};

} // namespace quorvane
