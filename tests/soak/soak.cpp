// Plays many careers at random through the operations the screens call, and checks the
// game after every action. `soak [actions] [seed]` prints one line of totals and fails on
// any broken invariant.
#include "career/recorddeal.h"
#include "gigs/booking.h"
#include "gigs/rating.h"
#include "gigs/review.h"
#include "media/holiday.h"
#include "media/interview.h"
#include "persist/fileoptions.h"
#include "persist/savefile.h"
#include "ports/mersennerandom.h"
#include "roster/applicants.h"
#include "roster/departures.h"
#include "roster/memberdetails.h"
#include "roster/practice.h"
#include "songs/demo.h"
#include "songs/songwriting.h"
#include "state/startup.h"
#include "support/scripted.h"
#include "support/tempfolder.h"
#include "turn/nextweek.h"
#include "turn/promotion.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace quorvane::testing {
namespace {

// Answers at random, and keeps the last message so the driver knows how a save went.
class CoinDialogs final : public Dialogs {
public:
    explicit CoinDialogs(Random& coin) : coin_(coin) {}
    void message(std::string_view text, Icon) override { last = text; }
    bool ask(std::string_view) override { return draw(coin_, 2) == 1; }
    std::string prompt(std::string_view, std::string_view, std::string_view) override {
        return draw(coin_, 10) == 1 ? "" : "Soak " + std::to_string(draw(coin_, 99));
    }
    std::string last;

private:
    Random& coin_;
};

struct Totals {
    long actions = 0, weeks = 0, careers = 0, signings = 0, violations = 0;
};

class Soak {
public:
    Soak(std::uint32_t seed, std::string folder, Totals& totals)
        : random_(seed), clicks_(seed + 7919), dialogs_(clicks_),
          game_(random_, dialogs_, navigator_), folder_(std::move(folder)), totals_(totals) {
        startup(game_);
        writefamousband();
    }
    void run(long actions);

private:
    int pick(int n) { return below(clicks_, n); }
    void act();
    void onmain();
    void newcareer();
    void gig();
    void save();
    void load();
    void check(const Module1& before);
    void checkranges();
    void checklists();
    void checkscreens();
    void violated(const std::string& what);
    void writefamousband();

    MersenneRandom random_, clicks_;
    CoinDialogs dialogs_;
    RecordingNavigator navigator_;
    Game game_;
    std::string folder_;
    Totals& totals_;
    bool loaded_ = false;   // the last action loaded a game: any value may change at once
    bool declined_ = false; // NO to a new band: the title screen is back on purpose
    bool playing_ = false;  // a game has started since the program did
};

// A band on the brink of a deal, saved where the load action finds it, so careers end in
// signings often enough for the record-deal screen to be played.
void Soak::writefamousband() {
    Module1 famous = game_.state;
    famous.bandname = "Famous";
    for (int slot = 1; slot <= membercount; ++slot) {
        famous.membername[slot] = "Star " + std::to_string(slot);
        famous.happiness[slot] = 10;
        famous.talent[slot] = famous.looks[slot] = famous.charisma[slot] = 9;
        famous.attitude[slot] = 5;
    }
    for (int slot = 1; slot <= setlength; ++slot) {
        famous.songname[slot] = "Hit " + std::to_string(slot);
        famous.songquality[slot] = 45;
    }
    famous.songcount = famous.lastsong = setlength;
    std::tie(famous.popularity, famous.cash) = std::tuple(32000, 32000);
    if (savegame(famous, folder_ + "/famous.zef")) violated("the famous band could not be saved");
}

void Soak::run(long actions) {
    for (long i = 0; i < actions; ++i) {
        const Module1 before = game_.state;
        loaded_ = false;
        act();
        ++totals_.actions;
        if (game_.state.gamedate != before.gamedate) ++totals_.weeks;
        check(before);
    }
}

void Soak::act() {
    if (game_.recorddeal) {
        if (pick(2) == 0) {
            acceptnewband(game_);
            ++totals_.careers;
        } else {
            declinenewband(game_);
            declined_ = true;
        }
    } else if (game_.screens.shown(Screen::title)) {
        pick(4) == 0 ? load() : newcareer();
    } else {
        onmain();
    }
}

void Soak::newcareer() {
    startnewgame(game_);
    if (!game_.screens.shown(Screen::main)) return;
    ++totals_.careers;
    declined_ = false;
    playing_ = true;
}

// The main screen's clicks that need only the game and a number to pick a row or level.
using Click = void (*)(Game&, int);
const Click clicks[] = {[](Game& g, int) { hireapplicant(g); },
                        [](Game& g, int) { dismissapplicant(g); },
                        [](Game& g, int n) { showmember(g, n % 5 - 1); },
                        [](Game& g, int) { sackmember(g); },
                        [](Game& g, int) { givelesson(g); },
                        [](Game& g, int) { writesong(g); },
                        [](Game& g, int n) { choosepromotion(g, n % 4); },
                        [](Game& g, int n) { selectsong(g, n - 1); },
                        [](Game& g, int) { memberreport(g); },
                        [](Game& g, int) { bookholiday(g); },
                        [](Game& g, int) { giveinterview(g); },
                        [](Game& g, int) { senddemo(g); }};
constexpr int clickcount = static_cast<int>(std::size(clicks));

// Every click of the main screen: NEXT WEEK most often, saving and loading rarely, as
// they wait for the disk.
void Soak::onmain() {
    const int roll = pick(clickcount + 10);
    if (roll < clickcount) {
        clicks[roll](game_, pick(songlimit + 1));
    } else if (roll < clickcount + 2) {
        gig();
    } else if (roll == clickcount + 2) {
        pick(2) == 0 ? save() : load();
    } else {
        const bool sent = game_.main.demo;
        nextweek(game_);
        totals_.signings += sent && game_.recorddeal;
    }
}

// BOOK GIG and whatever the gig screen allows; PLAY GIG or BACK, then OK on the magazine.
void Soak::gig() {
    checkgigband(game_);
    if (!game_.gig) return;
    for (int clicks = pick(12); clicks > 0; --clicks) {
        switch (pick(4)) {
        case 0:
            choosevenue(game_, pick(venuecount));
            break;
        case 1:
            applyforgig(game_);
            break;
        case 2:
            cleargiglist(game_);
            break;
        default:
            addgigtrack(game_, pick(game_.state.songcount + 1));
            break;
        }
    }
    if (game_.gig->picker)
        for (int track = 1; track <= std::min<int>(game_.state.songcount, setlength); ++track)
            addgigtrack(game_, track);
    if (pick(5) > 0) playgig(game_);
    closegig(game_);
    closemagazine(game_);
}

// GAME OPTIONS, a name, SAVE. A game reported saved must load back as this very game, and a
// failed save must leave the screen open.
void Soak::save() {
    const std::string name = "career" + std::to_string(pick(2)) + ".zef";
    openfileoptions(game_, FileMode::save, folder_);
    typefilename(game_, name);
    clickfilename(game_);
    dialogs_.last.clear();
    savebutton(game_);
    if (dialogs_.last != "Game Saved") {
        if (!game_.fileoptions) violated("a failed save closed the file options screen");
        closefileoptions(game_);
        return;
    }
    Module1 reloaded = game_.state;
    reloaded.bandname += "?";
    if (!loadgame(reloaded, folder_ + "/" + name) || reloaded != game_.state)
        violated("a game reported saved does not load back as the same game");
}

// LOAD from the title screen or through GAME OPTIONS; a missing file is refused.
void Soak::load() {
    const bool fromtitle = game_.screens.shown(Screen::title);
    openfileoptions(game_, fromtitle ? FileMode::load : FileMode::save, folder_);
    const char* names[] = {"famous.zef", "career0.zef", "career1.zef", "missing.zef"};
    pickfile(game_, names[pick(4)]);
    loadbutton(game_);
    loaded_ = !game_.fileoptions;
    if (loaded_) {
        totals_.careers += fromtitle;
        declined_ = false;
        playing_ = true;
    }
    if (game_.fileoptions) closefileoptionswindow(game_);
}

void Soak::violated(const std::string& what) {
    if (++totals_.violations <= 10)
        std::fprintf(stderr, "violation after action %ld: %s\n", totals_.actions, what.c_str());
}

void Soak::check(const Module1& before) {
    checkranges();
    checklists();
    checkscreens();
    const auto& s = game_.state;
    // A 16-bit sum that wrapped would jump by more than the range allows; a load or a new
    // band may replace any value at once.
    const bool replaced = loaded_ || before.bandname != s.bandname;
    if (!replaced && (std::abs(s.cash - before.cash) > 32767 ||
                      std::abs(s.popularity - before.popularity) > 32767))
        violated("cash or popularity wrapped");
    if (!game_.screens.shown(Screen::main)) return;
    const auto bytes = encodesave(s);
    if (!bytes || decodesave(*bytes, s) != s) violated("saving and loading changes the game");
}

void Soak::checkranges() {
    const auto& s = game_.state;
    auto within = [](int value, int low, int high) { return value >= low && value <= high; };
    bool sound = within(s.applicantslot, 1, membercount) && within(s.songcount, 0, songlimit) &&
                 s.lastsong == s.songcount && within(s.songtimer, 1, songidle) &&
                 (s.songtimer == songidle || s.songcount < songlimit) &&
                 within(s.promotion, 0, 4) && s.tiredness >= 0 &&
                 within(game_.main.Selected, 0, membercount) &&
                 within(game_.main.selectedsong, 0, songlimit);
    for (int slot = 1; slot <= membercount; ++slot)
        sound = sound && s.illweeks[slot] >= 0 && within(s.listslot[slot], 0, membercount);
    for (int venue = 1; venue <= venuecount; ++venue)
        sound = sound && (s.venueopen[venue] == vbtrue || s.venueopen[venue] == vbfalse);
    for (int position = 1; position <= setlength; ++position)
        sound = sound && within(s.setlist[position], 0, songlimit);
    if (!sound) violated("a counter or index is out of its range");
}

void Soak::checklists() {
    const auto& s = game_.state;
    const auto& c = game_.controls;
    std::vector<std::string> members, songs;
    for (int slot = 1; slot <= membercount; ++slot)
        if (s.occupied(slot)) members.push_back(s.membername[slot]);
    for (int slot = 1; slot <= s.songcount; ++slot)
        songs.push_back(s.songname[slot]);
    if (game_.screens.shown(Screen::main) && (c.members != members || c.songlist != songs))
        violated("the member or track list is not the band's");
    if (s.fullband() && (c.hire || c.txtapplicant != "No Applicants"))
        violated("a full band is offered an applicant");
    if (c.Command2 && selectedmember(game_) == 0) violated("SACK is enabled with nobody picked");
}

void Soak::checkscreens() {
    const auto& sc = game_.screens;
    const int current =
        sc.shown(Screen::main) + sc.shown(Screen::title) + sc.shown(Screen::recorddeal);
    if (current != 1) violated("not exactly one of main, title and record deal is shown");
    if (sc.shown(Screen::title) && playing_ && !declined_)
        violated("the title screen came back over a running game");
    if (sc.shown(Screen::gig) || sc.shown(Screen::magazine) || sc.shown(Screen::fileoptions) ||
        game_.gig || game_.magazine || game_.fileoptions)
        violated("a gig, magazine or file options screen was left open");
    if (sc.shown(Screen::recorddeal) != game_.recorddeal.has_value())
        violated("the record-deal screen and its text disagree");
}

} // namespace
} // namespace quorvane::testing

int main(int argc, char** argv) {
    using namespace quorvane::testing;
    const long actions = argc > 1 ? std::atol(argv[1]) : 200000;
    const auto seed = static_cast<std::uint32_t>(argc > 2 ? std::atol(argv[2]) : 1);
    constexpr long career = 5000; // actions per game before a fresh program start
    Totals totals;
    TempFolder folder;
    for (long done = 0, run = 0; done < actions; done += career, ++run) {
        Soak soak(seed + static_cast<std::uint32_t>(run) * 104729u, folder.path(), totals);
        soak.run(std::min(career, actions - done));
    }
    std::printf("soak seed %u: %ld actions, %ld weeks, %ld careers, %ld signings, %ld violations\n",
                seed, totals.actions, totals.weeks, totals.careers, totals.signings,
                totals.violations);
    return totals.violations == 0 ? 0 : 1;
}
