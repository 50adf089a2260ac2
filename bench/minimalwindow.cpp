// The least a Qt Widgets program does before its first paint: the yardstick for the game's
// start-up in scripts/startup.sh.
#include "firstpaint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    quorvane::QuitAfterFirstPaint quitter; // the same stop as the game's
    QWidget window;
    window.resize(420, 460); // the title screen's size, so both paint as much
    window.show();
    return app.exec();
}
