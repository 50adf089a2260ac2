// Quorvane: manage a young rock band, week by week, until a record label signs it.
#include "firstpaint.h"
#include "frontend.h"
#include "ports/mersennerandom.h"
#include "qtdialogs.h"
#include "screenshots.h"

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QTime>

#include <cstring>

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

int main(int argc, char* argv[]) {
    // `quorvane --screenshots FOLDER` draws the README's pictures there, with no display.
    const bool screenshots = argc == 3 && std::strcmp(argv[1], "--screenshots") == 0;
    if (screenshots && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quorvane");
    QApplication::setDesktopFileName("quorvane");
    QApplication::setWindowIcon(QIcon::hasThemeIcon("quorvane") ? QIcon::fromTheme("quorvane")
                                                                : builtinicon());
    if (screenshots) return quorvane::takescreenshots(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    quorvane::QuitAfterFirstPaint quitter;
    quitter.installifasked();

    // The only reading of the clock: it seeds the game's chance once.
    quorvane::MersenneRandom random(
        static_cast<std::uint32_t>(QTime::currentTime().msecsSinceStartOfDay()));
    quorvane::QtDialogs dialogs;
    quorvane::Frontend frontend(random, dialogs);
    dialogs.attach(frontend.navigator());
    frontend.start();
    return app.exec();
}
