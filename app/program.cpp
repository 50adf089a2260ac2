// Starting the game in a Qt application.
#include "program.h"

#include "frontend.h"
#include "ports/mersennerandom.h"
#include "qtdialogs.h"
#include "windowicon.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QTime>

namespace quorvane {

namespace {

// The window icon, from the pixels built into the program: no icon theme to search and no image
// to decode before the first window shows. A desktop that knows the program by its desktop
// entry shows the theme's icon in its menus and task lists all the same.
QIcon builtinicon() {
    const QImage pixels(reinterpret_cast<const uchar*>(windowicon::pixels), windowicon::size,
                        windowicon::size, QImage::Format_ARGB32_Premultiplied);
    return QIcon(QPixmap::fromImage(pixels));
}

} // namespace

void nameprogram() {
    QApplication::setApplicationName("Quorvane");
    QApplication::setDesktopFileName("quorvane");
    QApplication::setWindowIcon(builtinicon());
}

int play() {
    // The only reading of the clock: it seeds the game's chance once.
    MersenneRandom random(static_cast<std::uint32_t>(QTime::currentTime().msecsSinceStartOfDay()));
    QtDialogs dialogs;
    Frontend frontend(random, dialogs);
    dialogs.attach(frontend.navigator());
    frontend.start();
    return QApplication::exec();
}

} // namespace quorvane
