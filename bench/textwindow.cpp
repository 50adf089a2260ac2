// The least a Qt Widgets window that shows text does before its first paint: one label and
// one button in a layout, at the title screen's size. The game's start-up is held against it
// in scripts/startup.sh; unlike the bare window, it loads a font and draws text, as every
// window of the game must.
#include "firstpaint.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    quorvane::QuitAfterFirstPaint quitter; // the same stop as the game's
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel("QUORVANE"));
    layout->addWidget(new QPushButton("NEW GAME"));
    window.resize(420, 460); // the title screen's size, so both paint as much
    window.show();
    return app.exec();
}
