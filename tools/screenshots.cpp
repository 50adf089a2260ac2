// The README's pictures, taken from the real screens without a display:
// `quorvane-screenshots FOLDER` plays a band's first weeks by the core's own operations, with
// a fixed chance and no message boxes, and draws each of the six screens to a PNG in FOLDER
// on its way: title, main, fileoptions, gig, magazine and recorddeal. It fails, saying why,
// when a screen did not come up as planned or a picture could not be written.
#include "frontend.h"
#include "gamewindow.h"
#include "gigs/booking.h"
#include "gigs/rating.h"
#include "gigs/review.h"
#include "persist/fileoptions.h"
#include "persist/savefile.h"
#include "ports/mersennerandom.h"
#include "program.h"
#include "roster/applicants.h"
#include "roster/memberdetails.h"
#include "songs/demo.h"
#include "songs/songwriting.h"
#include "state/startup.h"
#include "turn/nextweek.h"
#include "turn/promotion.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QTemporaryDir>

#include <cstdio>

namespace quorvane {

namespace {

// Names the band, says No to every question and keeps the messages out of the pictures.
class QuietDialogs final : public Dialogs {
public:
    void message(std::string_view, Icon) override {}
    bool ask(std::string_view) override { return false; }
    std::string prompt(std::string_view, std::string_view, std::string_view) override {
        return "The Velvet Amps";
    }
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
        if (!window.grab().save(folder_.filePath(name))) return fail(name, "cannot be written");
        return true;
    }
    static bool fail(const char* name, const char* why) {
        std::fprintf(stderr, "quorvane: no %s: %s\n", name, why);
        return false;
    }

private:
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
    return camera.shoot(Screen::recorddeal, "recorddeal.png");
}

} // namespace
} // namespace quorvane

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: quorvane-screenshots FOLDER\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    quorvane::nameprogram();
    return quorvane::takescreenshots(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
