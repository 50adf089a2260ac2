// Showing and hiding the screens.
#include "qtnavigator.h"

#include "mainscreen.h"
#include "titlescreen.h"

#include <QCoreApplication>

namespace quorvane {

void QtNavigator::setscreens(MainScreen* main, TitleScreen* title) {
    main_ = main;
    title_ = title;
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

void QtNavigator::quit() {
    // Hiding rather than closing: a close would ask the quit question again.
    main_->hide();
    title_->hide();
    QCoreApplication::quit();
}

} // namespace quorvane
