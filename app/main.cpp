// Quorvane: manage a young rock band, week by week, until a record label signs it.
#include "program.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    quorvane::nameprogram();
    return quorvane::play();
}
