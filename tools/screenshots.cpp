// The README's pictures, taken from the real screens without a display:
// `quorvane-screenshots FOLDER` plays a band's first weeks by the core's own operations, with
// a fixed chance, and draws each of the six screens to a PNG in FOLDER on its way: title,
// hiring (the main screen with an applicant), main, fileoptions, gig, magazine, recorddeal
// and one message box, message. It fails, saying why, when a screen did not come up as
// planned or a picture could not be written.
#include "career/recorddeal.h"
#include "frontend.h"
#include "gamewindow.h"
#include "gigs/booking.h"
#include "gigs/rating.h"
#include "gigs/review.h"
#include "persist/fileoptions.h"
#include "persist/savefile.h"
#include "ports/mersennerandom.h"
#include "program.h"
#include "qtdialogs.h"
#include "roster/applicants.h"
#include "roster/memberdetails.h"
#include "songs/demo.h"
#include "songs/songwriting.h"
#include "state/startup.h"
#include "turn/nextweek.h"
#include "turn/promotion.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QListWidget>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace quorvane {

namespace {

// Names the band, says No to every question and keeps the messages out of the pictures, but
// for the one box the pictures show.
class QuietDialogs final : public Dialogs {
public:
    void message(std::string_view text, Icon icon) override {
        if (boxes) boxes->message(text, icon);
    }
    bool ask(std::string_view) override { return false; }
    std::string prompt(std::string_view, std::string_view, std::string_view) override {
        return "The Velvet Amps";
    }

    QtDialogs* boxes = nullptr; // the game's own message boxes, while one is being drawn
};

class Camera {
public:
    Camera(Frontend& frontend, const QString& folder) : frontend_(frontend), folder_(folder) {}

    // Draws a screen that the game has up; false when it has not.
    bool shoot(Screen screen, const char* name) {
        if (!frontend_.game().screens.shown(screen)) return fail(name, "the screen is not up");
        frontend_.navigator().refresh();
        QWidget& window = frontend_.navigator().window(screen);
        QCoreApplication::processEvents(); // pending layouts and resizes
        return save(window, name);
    }
    // Draws the first message box that `act` brings up, and closes every one.
    template <typename Act> bool shootbox(QuietDialogs& dialogs, Act act, const char* name) {
        QtDialogs boxes;
        boxes.attach(frontend_.navigator());
        bool shot = false;
        QTimer look; // for a box up
        QObject::connect(&look, &QTimer::timeout, [this, name, &shot] {
            QWidget* box = QApplication::activeModalWidget();
            if (!box) return;
            if (!shot) shot = save(*box, name);
            box->close();
        });
        look.start(50);
        dialogs.boxes = &boxes;
        act();
        dialogs.boxes = nullptr;
        return shot || fail(name, "no box came up");
    }
    static bool fail(const char* name, const char* why) {
        std::fprintf(stderr, "quorvane: no %s: %s\n", name, why);
        return false;
    }

private:
    // On a real display the whole screen is drawn too, as "screen-NAME", once the window
    // manager has framed the window: it shows where the window lies and that it fits.
    bool save(QWidget& window, const char* name) {
        if (!window.grab().save(folder_.filePath(name))) return fail(name, "cannot be written");
        if (QGuiApplication::platformName() == "offscreen") return true;
        QEventLoop settle;
        QTimer::singleShot(500, &settle, &QEventLoop::quit);
        settle.exec();
        const QString whole = folder_.filePath(QString("screen-") + name);
        if (!window.screen()->grabWindow(0).save(whole)) return fail(name, "no screen picture");
        return true;
    }

    Frontend& frontend_;
    QDir folder_;
};

bool takescreenshots(const QString& folder) {
    // The saved games go in a folder of the system's temporary one (TMPDIR), which the
    // pictures show.
    QTemporaryDir scratch(QDir::temp().filePath("Quorvane-XXXXXX"));
    const QDir saves(scratch.path() + "/Saved games");
    if (!QDir().mkpath(folder) || !scratch.isValid() || !saves.mkpath("."))
        return Camera::fail("pictures", "no folder");
    MersenneRandom random(20260612);
    QuietDialogs dialogs;
    Frontend frontend(random, dialogs);
    Game& game = frontend.game();
    auto& s = game.state;
    Camera camera(frontend, folder);
    auto save = [&saves, &s](const char* name) {
        return !savegame(s, saves.filePath(name).toStdString()) ||
               Camera::fail(name, "cannot be saved");
    };
    frontend.start();
    if (!camera.shoot(Screen::title, "title.png")) return false;

    // A band of four writes songs until it has enough for a gig, then pays for a little
    // promotion.
    startnewgame(game);
    for (int hired = 0; hired < 3; ++hired)
        hireapplicant(game);
    if (!camera.shoot(Screen::main, "hiring.png")) return false; // an applicant for the fourth
    while (game.controls.hire)
        hireapplicant(game);
    for (int week = 0; week < 52 && s.songcount < setlength + 1; ++week) {
        if (s.songtimer == songidle) writesong(game);
        nextweek(game);
    }
    if (!save("before-the-gig.zef")) return false;
    choosepromotion(game, 1);
    showmember(game, 1);
    selectsong(game, 0);
    if (!camera.shoot(Screen::main, "main.png")) return false;

    // A gig booked, half its set chosen, by a band known about town; then played and
    // reviewed.
    s.popularity = 150; // word of mouth: enough for the smaller venues
    checkgigband(game);
    if (!game.gig || s.songcount < setlength) return Camera::fail("gig.png", "no gig to book");
    for (int venue = 0; venue < venuecount && !game.gig->picker; ++venue) {
        if (!game.gig->location[static_cast<std::size_t>(venue)]) continue;
        choosevenue(game, venue);
        applyforgig(game);
    }
    for (int slot : {3, 1, 4})
        addgigtrack(game, slot);
    if (!camera.shoot(Screen::gig, "gig.png")) return false;
    for (int slot : {6, 2, 5})
        addgigtrack(game, slot);
    playgig(game);
    if (!camera.shoot(Screen::magazine, "magazine.png")) return false;
    closemagazine(game);

    // GAME OPTIONS, over a folder with two saved games, the newer one picked.
    if (!save("after-the-gig.zef")) return false;
    openfileoptions(game, FileMode::save, saves.path().toStdString());
    auto* files = frontend.navigator().window(Screen::fileoptions).findChild<QListWidget*>("File1");
    const QList<QListWidgetItem*> newer = files->findItems("after-the-gig.zef", Qt::MatchExactly);
    if (newer.isEmpty()) return Camera::fail("fileoptions.png", "the saved games are not listed");
    files->setFocus(); // as a click on it
    files->setCurrentItem(newer.front());
    if (!camera.shoot(Screen::fileoptions, "fileoptions.png")) return false;
    backbutton(game);

    // A demo of a hit by a band at the height of its fame.
    s.popularity = 1000;
    s.songquality[1] = 45;
    selectsong(game, 0);
    senddemo(game);
    nextweek(game);
    if (!camera.shoot(Screen::recorddeal, "recorddeal.png")) return false;

    // The next band's first week, without the money for its wages.
    acceptnewband(game);
    choosepromotion(game, 0);
    s.cash = 0;
    return camera.shootbox(
        dialogs, [&game] { nextweek(game); }, "message.png");
}

} // namespace
} // namespace quorvane

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: quorvane-screenshots FOLDER\n");
        return 2;
    }
    // Without a display by default, on a screen large enough that no window needs to scroll
    // at any font or scale.
    QTemporaryDir config;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        QFile screen(config.filePath("screen.json"));
        if (!screen.open(QIODevice::WriteOnly) ||
            screen.write(R"({"screens": [{"name": "wall", "width": 7680, "height": 4320}]})") < 0)
            return 1;
        screen.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screen.fileName().toLocal8Bit());
    }
    QApplication app(argc, argv);
    quorvane::nameprogram();
    return quorvane::takescreenshots(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
