// The game, stopped as soon as its title screen has painted: scripts/startup.sh times it.
#include "firstpaint.h"
#include "program.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    quorvane::nameprogram();
    quorvane::QuitAfterFirstPaint quitter;
    return quorvane::play();
}
