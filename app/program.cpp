// Starting the game in a Qt application.
#include "program.h"

#include "frontend.h"
#include "ports/mersennerandom.h"
#include "qtdialogs.h"

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QTime>

namespace quorvane {

namespace {

// The icon for when the icon theme has none, as when run from the build folder. Read as the
// PNG it is: left to guess, the reader would load every image plugin to ask whether the file
// is theirs, which costs more than the rest of the icon.
QIcon builtinicon() {
    QImageReader reader(":/quorvane-64.png", "png");
    reader.setAutoDetectImageFormat(false);
    return QIcon(QPixmap::fromImage(reader.read()));
}

} // namespace

void nameprogram() {
    QApplication::setApplicationName("Quorvane");
    QApplication::setDesktopFileName("quorvane");
    QApplication::setWindowIcon(QIcon::hasThemeIcon("quorvane") ? QIcon::fromTheme("quorvane")
                                                                : builtinicon());
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
