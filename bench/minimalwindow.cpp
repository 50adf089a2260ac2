// The least a Qt Widgets program does before its first paint: an empty window, which never
// loads a font. scripts/startup.sh shows the game against it beside the real yardstick, the
// window that shows text (textwindow.cpp).
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
