// The file options screen: drive, folder and file pickers, a name box, SAVE, LOAD and BACK.
#pragma once

#include "gamewindow.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QTreeView;

namespace quorvane {

class SortedFiles;

class FileOptionsScreen : public GameWindow {
    Q_OBJECT
public:
    FileOptionsScreen(Game& game, std::function<void()> refresh);

    // Shows the controls' state; also follows the folder the game has chosen.
    void sync() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildpickers();
    QWidget* buildbuttons();
    void showfolder(const QString& folder);
    void pickdrive(const QString& drive);
    void pickfolder(const QModelIndex& index);

    QComboBox* drives_ = nullptr;
    QTreeView* folders_ = nullptr;
    QListView* files_ = nullptr;
    SortedFiles* foldermodel_ = nullptr;
    SortedFiles* filemodel_ = nullptr;
    QLineEdit* thefile_ = nullptr;
    QPushButton* save_ = nullptr;
    QLabel* savecaption_ = nullptr;
    QPushButton* load_ = nullptr;
};

} // namespace quorvane
