// The file options screen's layout and the calls behind its controls.
#include "fileoptionsscreen.h"

#include "persist/fileoptions.h"
#include "sortedfiles.h"
#include "theme.h"
#include "widgets.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

namespace quorvane {

using widgets::qt;

namespace {

// The drive a folder lies on: "/" on Unix, a letter such as "C:/" on Windows.
QString driveof(const QString& folder) {
    for (const QFileInfo& drive : QDir::drives())
        if (folder.startsWith(drive.absoluteFilePath(), Qt::CaseInsensitive))
            return drive.absoluteFilePath();
    return QDir::rootPath();
}

} // namespace

FileOptionsScreen::FileOptionsScreen(Game& game, std::function<void()> refresh)
    : GameWindow(game, std::move(refresh)) {
    setObjectName("savefrm");
    setAccessibleName("File options");
    setStyleSheet(theme::fileoptions());

    auto* title = new QLabel("FILE OPTIONS", this);
    title->setObjectName("Label2");
    title->setProperty("role", "title");

    auto* layout = new QVBoxLayout(page());
    layout->setContentsMargins(16, 12, 16, 16);
    layout->addWidget(title);
    layout->addWidget(buildpickers(), 1);
    layout->addWidget(buildbuttons());
    fitcontent(QSize(640, 440));
}

QWidget* FileOptionsScreen::buildpickers() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);

    drives_ = new QComboBox(box);
    drives_->setObjectName("Drive1");
    drives_->setAccessibleName("Drive");
    for (const QFileInfo& drive : QDir::drives())
        drives_->addItem(drive.absoluteFilePath());
    // On Linux a screen reader names a drop-down by the label it is the buddy of, and reads
    // its own name as its value ("/"): an unseen label gives it its name.
    auto* drivename = new QLabel(drives_->accessibleName(), box);
    drivename->setBuddy(drives_);
    drivename->hide();

    foldermodel_ = new SortedFiles(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives, this);
    folders_ = new QTreeView(box);
    folders_->setObjectName("Dir1");
    folders_->setAccessibleName("Folders");
    folders_->setModel(foldermodel_);
    folders_->setHeaderHidden(true);
    for (int column = 1; column < foldermodel_->columnCount(); ++column)
        folders_->hideColumn(column);
    // Folders keep arriving and re-sorting after the screen opens; keep the chosen one in
    // view, without moving the list while it is visible (it may be under the mouse).
    auto keepinview = [this] { folders_->scrollTo(folders_->currentIndex()); };
    connect(foldermodel_, &QAbstractItemModel::layoutChanged, folders_, keepinview);
    connect(foldermodel_, &QAbstractItemModel::rowsInserted, folders_, keepinview);

    // A flat list of the folder's saved games, dot-files too, kept up to date as files come
    // and go; a screen reader counts its rows as they are shown.
    files_ = new QListWidget(box);
    files_->setObjectName("File1");
    files_->setAccessibleName("Saved games");
    widgets::arrowsstartatfocus(files_);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &FileOptionsScreen::listfiles);

    auto* namelabel = new QLabel("filename:", box);
    namelabel->setObjectName("Label3");
    thefile_ = new QLineEdit(box);
    thefile_->setObjectName("thefile");
    namelabel->setBuddy(thefile_);
    thefile_->installEventFilter(this);

    grid->addWidget(drives_, 0, 0);
    grid->addWidget(folders_, 1, 0);
    grid->addWidget(files_, 0, 1, 2, 1);
    auto* namerow = new QHBoxLayout;
    namerow->addWidget(namelabel);
    namerow->addWidget(thefile_, 1);
    grid->addLayout(namerow, 2, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);

    connect(drives_, &QComboBox::textActivated, this, &FileOptionsScreen::pickdrive);
    // By mouse or by keys, the folder in the tree is the folder the file list shows.
    connect(folders_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &FileOptionsScreen::pickfolder);
    auto pick = [this](const QListWidgetItem* item) {
        run([name = item->text().toStdString()](Game& g) { pickfile(g, name); });
    };
    connect(files_, &QListWidget::itemClicked, this, pick);
    // The arrow keys pick too, but not the row Qt marks when the list merely takes the focus:
    // tabbing through to the name box must not put a file's name in it.
    connect(files_, &QListWidget::itemSelectionChanged, this, [this, pick] {
        const QList<QListWidgetItem*> picked = files_->selectedItems();
        if (!picked.isEmpty()) pick(picked.front());
    });
    connect(thefile_, &QLineEdit::textEdited, this,
            [this](const QString& text) { typefilename(game_, text.toStdString()); });
    return box;
}

QWidget* FileOptionsScreen::buildbuttons() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    save_ = new QPushButton(box);
    save_->setObjectName("save");
    // SAVE's caption is a label of its own, blank when the screen is opened for loading.
    savecaption_ = new QLabel(save_);
    savecaption_->setObjectName("Label15");
    savecaption_->setTextFormat(Qt::PlainText);
    savecaption_->setAlignment(Qt::AlignCenter);
    savecaption_->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* caption = new QHBoxLayout(save_);
    caption->setContentsMargins(0, 0, 0, 0);
    caption->addWidget(savecaption_);
    load_ = new QPushButton("LOAD", box);
    load_->setObjectName("load");
    auto* back = new QPushButton("BACK", box);
    back->setObjectName("back");
    // SAVE, whose caption is not its own, is as tall as LOAD at any size of text.
    const int tall = std::max(36, load_->sizeHint().height());
    for (QPushButton* b : {save_, load_, back}) {
        b->setMinimumSize(120, tall);
        row->addWidget(b);
    }
    row->insertStretch(0, 1);
    wire(save_, savebutton);
    wire(load_, loadbutton);
    wire(back, backbutton);
    escapeclicks(back);
    return box;
}

void FileOptionsScreen::pickdrive(const QString& drive) {
    run([folder = drive.toStdString()](Game& game) { choosefolder(game, folder); });
}

void FileOptionsScreen::pickfolder(const QModelIndex& index) {
    if (!index.isValid()) return;
    run([folder = foldermodel_->path(index).toStdString()](Game& game) {
        choosefolder(game, folder);
    });
}

void FileOptionsScreen::listfiles() {
    const QStringList names = QDir(folder_).entryList({"*.zef"}, QDir::Files | QDir::Hidden,
                                                      QDir::Name | QDir::IgnoreCase);
    QStringList listed;
    for (int row = 0; row < files_->count(); ++row)
        listed << files_->item(row)->text();
    if (names == listed) return;
    const QList<QListWidgetItem*> picked = files_->selectedItems();
    const QString keep = picked.isEmpty() ? QString() : picked.front()->text();
    const QSignalBlocker quiet(files_);
    files_->clear();
    files_->addItems(names);
    for (QListWidgetItem* item : files_->findItems(keep, Qt::MatchExactly))
        files_->setCurrentItem(item);
}

void FileOptionsScreen::showfolder(const QString& folder) {
    if (folder_ == folder) return;
    folder_ = folder;
    if (!watcher_.directories().isEmpty()) watcher_.removePaths(watcher_.directories());
    watcher_.addPath(folder);
    listfiles();
    drives_->setCurrentText(driveof(folder));
    const QModelIndex where = foldermodel_->open(folder);
    for (QModelIndex above = where.parent(); above.isValid(); above = above.parent())
        folders_->expand(above);
    folders_->setCurrentIndex(where);
    folders_->scrollTo(where);
}

void FileOptionsScreen::sync() {
    if (!game_.fileoptions) return;
    const auto& form = *game_.fileoptions;
    showfolder(qt(form.folder));
    if (thefile_->text() != qt(form.thefile)) thefile_->setText(qt(form.thefile));
    load_->setEnabled(form.load);
    save_->setEnabled(form.save);
    save_->setVisible(form.savevisible);
    savecaption_->setText(qt(form.Label15));
    save_->setAccessibleName(savecaption_->text());
}

void FileOptionsScreen::closeEvent(QCloseEvent* event) {
    event->accept();
    if (game_.fileoptions) run(closefileoptionswindow);
}

bool FileOptionsScreen::eventFilter(QObject* watched, QEvent* event) {
    if (watched == thefile_ && event->type() == QEvent::MouseButtonPress) run(clickfilename);
    // Reaching the box by Tab is the keyboard's click on it.
    if (watched == thefile_ && event->type() == QEvent::FocusIn) {
        const Qt::FocusReason why = static_cast<QFocusEvent*>(event)->reason();
        if (why == Qt::TabFocusReason || why == Qt::BacktabFocusReason) run(clickfilename);
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace quorvane
