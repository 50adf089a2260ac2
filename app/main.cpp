// Quorvane: manage a young rock band, week by week, until a record label signs it.
#include "frontend.h"
#include "ports/mersennerandom.h"
#include "qtdialogs.h"

#include <QApplication>
#include <QIcon>
#include <QTime>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quorvane");
    QApplication::setDesktopFileName("quorvane");
    QApplication::setWindowIcon(QIcon::fromTheme("quorvane", QIcon(":/quorvane-64.png")));

    // The only reading of the clock: it seeds the game's chance once.
    quorvane::MersenneRandom random(
        static_cast<std::uint32_t>(QTime::currentTime().msecsSinceStartOfDay()));
    quorvane::QtDialogs dialogs;
    quorvane::Frontend frontend(random, dialogs);
    dialogs.attach(frontend.navigator());
    frontend.start();
    return app.exec();
}
