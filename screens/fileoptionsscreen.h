// The file options screen: drive, folder and file pickers, a name box, SAVE, LOAD and BACK.
#pragma once

#include "gamewindow.h"

#include <QFileSystemWatcher>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
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
    // Lists the saved games in the folder shown, keeping the one picked.
    void listfiles();
    void pickdrive(const QString& drive);
    void pickfolder(const QModelIndex& index);

    QComboBox* drives_ = nullptr;
    QTreeView* folders_ = nullptr;
    QListWidget* files_ = nullptr;
    SortedFiles* foldermodel_ = nullptr;
    QString folder_; // the folder the file list shows
    QFileSystemWatcher watcher_;
    QLineEdit* thefile_ = nullptr;
    QPushButton* save_ = nullptr;
    QLabel* savecaption_ = nullptr;
    QPushButton* load_ = nullptr;
};

} // namespace quorvane
