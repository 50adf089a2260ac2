// Showing and hiding the screens.
#include "qtnavigator.h"

#include "fileoptionsscreen.h"
#include "mainscreen.h"
#include "titlescreen.h"

#include <QCoreApplication>

namespace quorvane {

QtNavigator::~QtNavigator() {
    delete files_;
}

void QtNavigator::attach(Game& game, MainScreen* main, TitleScreen* title) {
    game_ = &game;
    main_ = main;
    title_ = title;
}

void QtNavigator::refresh() {
    if (main_->isVisible()) main_->sync();
}

void QtNavigator::showmain() {
    main_->sync();
    main_->show();
}

void QtNavigator::hidemain() {
    main_->hide();
}

void QtNavigator::showtitle() {
    title_->show();
}

void QtNavigator::hidetitle() {
    title_->hide();
}

void QtNavigator::showfileoptions() {
    if (!files_) {
        files_ = new FileOptionsScreen(*game_, [this] { refresh(); });
        // Over the middle of the screen that opened it.
        QWidget* opener = main_->isVisible() ? static_cast<QWidget*>(main_) : title_;
        files_->move(opener->geometry().center() - files_->rect().center());
    }
    files_->sync();
    files_->show();
    files_->raise();
    files_->activateWindow();
}

void QtNavigator::hidefileoptions() {
    if (files_) files_->hide();
}

void QtNavigator::closefileoptions() {
    if (!files_) return;
    files_->hide();
    // Deleted later: the screen may be in the middle of its own click handler.
    files_->deleteLater();
    files_ = nullptr;
}

void QtNavigator::quit() {
    // Hiding rather than closing: a close would ask the quit question again.
    main_->hide();
    title_->hide();
    if (files_) files_->hide();
    QCoreApplication::quit();
}

} // namespace quorvane
