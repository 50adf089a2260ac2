// The least a Qt Widgets program does before its first paint: the yardstick for the game's
// start-up in scripts/startup.sh.
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdlib>

namespace {

// The same stop as the game's (see app/main.cpp): exit once the first window has painted.
class QuitAfterFirstPaint final : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            qApp->removeEventFilter(this);
            QTimer::singleShot(0, [] { std::_Exit(0); });
        }
        return false;
    }
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QuitAfterFirstPaint quitter;
    if (qEnvironmentVariableIntValue("QUORVANE_EXIT_AFTER_FIRST_PAINT") == 1)
        app.installEventFilter(&quitter);
    QWidget window;
    window.resize(420, 460); // the title screen's size, so both paint as much
    window.show();
    return app.exec();
}
