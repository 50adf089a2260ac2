// A band's first weeks, played for the camera.
#include "screenshots.h"

#include "frontend.h"
#include "gamewindow.h"
#include "gigs/booking.h"
#include "gigs/rating.h"
#include "gigs/review.h"
#include "persist/fileoptions.h"
#include "persist/savefile.h"
#include "ports/mersennerandom.h"
#include "roster/applicants.h"
#include "roster/memberdetails.h"
#include "songs/demo.h"
#include "songs/songwriting.h"
#include "state/startup.h"
#include "turn/nextweek.h"
#include "turn/promotion.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QListView>
#include <QTemporaryDir>
#include <QThread>

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

// The file list fills from a background scan; lets it find `count` files.
QListView* filelist(QWidget& screen, int count) {
    auto* files = screen.findChild<QListView*>("File1");
    const QDeadlineTimer deadline(5000);
    while (files->model()->rowCount(files->rootIndex()) < count && !deadline.hasExpired()) {
        QCoreApplication::processEvents();
        QThread::msleep(10);
    }
    QCoreApplication::processEvents(); // and sort them
    return files;
}

} // namespace

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
    QListView* files = filelist(frontend.navigator().window(Screen::fileoptions), 2);
    const QModelIndexList newer = files->model()->match(
        files->model()->index(0, 0, files->rootIndex()), Qt::DisplayRole, "after-the-gig.zef");
    if (newer.isEmpty()) return Camera::fail("fileoptions.png", "the saved games are not listed");
    files->setFocus(); // as a click on it
    files->setCurrentIndex(newer.front());
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

} // namespace quorvane
