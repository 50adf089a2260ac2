// Plays many careers at random through the operations the screens call, clicking only what
// the screen in front offers (and now and then a file options screen left behind), and checks
// the whole game after every action. `soak [actions] [seed]` prints one line of totals and
// fails on any broken invariant.
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

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <set>

namespace quorvane::testing {
namespace {

// Answers at random and keeps what the action said, for the checks and the message log.
class CoinDialogs final : public Dialogs {
public:
    explicit CoinDialogs(Random& coin) : coin_(coin) {}
    void message(std::string_view text, Icon) override { note(text); }
    bool ask(std::string_view text) override { return note(text), draw(coin_, 2) == 1; }
    std::string prompt(std::string_view text, std::string_view, std::string_view) override {
        note(text);
        return draw(coin_, 10) == 1 ? "" : "Soak " + std::to_string(draw(coin_, 99));
    }
    bool said(std::string_view text) const { return std::ranges::count(texts, text) > 0; }
    std::vector<std::string> texts; // since the action began

private:
    void note(std::string_view text) {
        if (logged_.emplace(text).second) logshown(text);
        texts.emplace_back(text);
    }
    Random& coin_;
    std::set<std::string, std::less<>> logged_;
};

// What an action can do to the cash, the date and popularity, by the rules' own numbers.
enum class Kind { other, lesson, holiday, apply, gig, week };

struct Totals {
    long actions = 0, weeks = 0, gigs = 0, careers = 0, signings = 0, violations = 0;
};

class Soak {
public:
    Soak(std::uint32_t seed, std::string folder, Totals& totals)
        : random_(seed), clicks_(seed + 7919), dialogs_(clicks_),
          game_(random_, dialogs_, navigator_), folder_(std::move(folder)), totals_(totals) {
        startup(game_);
        writebands();
    }
    void run(long actions);

private:
    int pick(int n) { return below(clicks_, n); }
    void act();
    void ontitle();
    void onmain();
    void ongig();
    void onfileoptions();
    void openfiles(FileMode mode);
    void nextweek();
    void replaced(bool fresh);
    void check(const Game& before);
    void checkmembers();
    void checkcounters();
    void checkcontrols(const Game& before);
    void checkscreens();
    void checkstorage(const Game& before);
    void checkprices(const Game& before);
    void violated(const std::string& what);
    void writebands();

    MersenneRandom random_, clicks_;
    CoinDialogs dialogs_;
    RecordingNavigator navigator_;
    Game game_;
    std::string folder_;
    Totals& totals_;
    // What the rules say the controls must show, kept apart from the game's own flags.
    bool mayinterview_ = false; // the week's invitation is not used yet
    bool maybook_ = true;       // no gig played this week
    bool nameclicked_ = false;  // a file picked or the name box clicked: SAVE works
    bool filepicked_ = false;   // a file picked: LOAD works
    bool stale_ = false;        // the action clicked a file options screen not up
    bool replaced_ = false;     // another band took the screen: nothing of the old is picked
    bool playing_ = false;      // a game has started since the program did
    bool declined_ = false;     // NO to a new band: the title screen is back on purpose
    Kind kind_ = Kind::other;   // what the action was, for its prices
};

// Two bands saved where LOAD finds them: one on the brink of a deal, so careers end in
// signings often enough, and one famous enough for every venue but with no hit, so gigs are
// played at all five.
void Soak::writebands() {
    Module1 band = game_.state;
    formband(band, setlength);
    for (const auto& [name, quality] : {std::pair{"Famous", 45}, {"Stars", 30}}) {
        std::tie(band.bandname, band.popularity, band.cash) = std::tuple(name, 32000, 32000);
        band.songquality.fill(static_cast<int16>(quality));
        if (savegame(band, folder_ + "/" + name + ".zef")) violated("a band could not be saved");
    }
}

void Soak::run(long actions) {
    for (long i = 0; i < actions; ++i) {
        const Game before = game_;
        dialogs_.texts.clear();
        stale_ = replaced_ = false;
        kind_ = Kind::other;
        act();
        ++totals_.actions;
        totals_.weeks += game_.state.gamedate != before.state.gamedate;
        check(before);
    }
}

void Soak::act() {
    // A file options screen in front is clicked often, one left hidden now and then.
    if (game_.fileoptions && pick(game_.screens.shown(Screen::fileoptions) ? 2 : 8) == 0)
        return onfileoptions();
    if (game_.recorddeal) {
        if (pick(2) == 0) {
            acceptnewband(game_);
            replaced(false);
            ++totals_.careers;
        } else {
            declinenewband(game_);
            declined_ = true;
        }
    } else if (game_.magazine) {
        closemagazine(game_);
    } else if (game_.gig) {
        ongig();
    } else if (game_.screens.shown(Screen::title)) {
        ontitle();
    } else {
        onmain();
    }
}

void Soak::ontitle() {
    switch (pick(4)) {
    case 0:
        return openfiles(FileMode::load);
    case 1:
        return secretjoke(game_);
    default:
        startnewgame(game_);
        if (!game_.screens.shown(Screen::main)) return;
        replaced(true);
        ++totals_.careers;
        declined_ = false;
        playing_ = true;
    }
}

// The main screen's clicks that need only the game and a number to pick a row or level.
using Click = void (*)(Game&, int);
const std::pair<Click, Kind> clicks[] = {
    {[](Game& g, int) { hireapplicant(g); }, Kind::other},
    {[](Game& g, int) { dismissapplicant(g); }, Kind::other},
    {[](Game& g, int n) { showmember(g, n % 5 - 1); }, Kind::other},
    {[](Game& g, int) { sackmember(g); }, Kind::other},
    {[](Game& g, int) { givelesson(g); }, Kind::lesson},
    {[](Game& g, int) { writesong(g); }, Kind::other},
    {[](Game& g, int n) { choosepromotion(g, n % 4); }, Kind::other},
    {[](Game& g, int n) { selectsong(g, n - 1); }, Kind::other},
    {[](Game& g, int) { memberreport(g); }, Kind::other},
    {[](Game& g, int) { bookholiday(g); }, Kind::holiday},
    {[](Game& g, int) { checkgigband(g); }, Kind::other},
    {[](Game& g, int) { senddemo(g); }, Kind::other}};
constexpr int clickcount = static_cast<int>(std::size(clicks));

// Every click of the main screen: NEXT WEEK most often.
void Soak::onmain() {
    const int roll = pick(clickcount + 8);
    if (roll == clickcount + 2) // bands form and go on stage often
        return game_.controls.hire ? hireapplicant(game_) : checkgigband(game_);
    if (roll < clickcount) {
        kind_ = clicks[roll].second;
        clicks[roll].first(game_, pick(songlimit + 1));
    } else if (roll == clickcount) {
        const bool could = game_.controls.interview;
        giveinterview(game_);
        mayinterview_ = mayinterview_ && !could;
    } else if (roll == clickcount + 1) {
        openfiles(FileMode::save);
    } else {
        nextweek();
    }
}

// Last week's invitation lapses early in the week; a week that cannot pay its wages stops
// before BOOK GIG comes back and before the events can bring a new one.
void Soak::nextweek() {
    kind_ = Kind::week;
    const bool sent = game_.main.demo;
    quorvane::nextweek(game_);
    mayinterview_ = dialogs_.said("You have been invited for a Radio interview!") ||
                    dialogs_.said("You have been invited onto a cable T.V music show!");
    if (dialogs_.said("You don't have enough money to pay the band and expenses! Therefore the "
                      "band has quit to find a new manager."))
        return;
    maybook_ = true;
    totals_.signings += sent && game_.recorddeal;
}

// Whatever the gig screen allows, a booking most often carried through to PLAY GIG.
void Soak::ongig() {
    const auto& gig = *game_.gig;
    const int roll = pick(16);
    const bool hopeless = game_.state.songcount < setlength || !gig.picker;
    if (roll == 0 || (hopeless && roll < 4)) return closegig(game_);
    if (roll == 1) return cleargiglist(game_);
    if (roll == 2 || gig.checkindex == 0) return choosevenue(game_, pick(venuecount + 1) - 1);
    kind_ = !gig.picker || roll == 3 ? Kind::apply : Kind::gig;
    if (kind_ == Kind::apply) return void(applyforgig(game_));
    if (gig.trackcount < setlength && roll < 15)
        return kind_ = Kind::other, void(addgigtrack(game_, pick(game_.state.songcount + 2)));
    playgig(game_);
    totals_.gigs += game_.magazine.has_value();
    maybook_ = maybook_ && !game_.magazine;
}

// GAME OPTIONS or LOAD GAME; the screen may be left open while other screens are clicked.
void Soak::openfiles(FileMode mode) {
    if (!game_.fileoptions) nameclicked_ = filepicked_ = false;
    openfileoptions(game_, mode, folder_);
}

// A click on the file options screen, which may be hidden, or gone behind its opener.
void Soak::onfileoptions() {
    stale_ = !game_.screens.shown(Screen::fileoptions);
    const char* names[] = {"Famous.zef", "Stars.zef", "career0.zef", "career1.zef", "missing.zef"};
    switch (pick(9)) {
    case 0:
    case 1:
        pickfile(game_, names[pick(5)]);
        if (!stale_) filepicked_ = nameclicked_ = true;
        return;
    case 2:
        clickfilename(game_);
        if (!stale_) nameclicked_ = true;
        return;
    case 3:
        return typefilename(game_, names[2 + pick(2)]);
    case 4:
        return backbutton(game_);
    case 5:
        return closefileoptionswindow(game_);
    case 6:
        return savebutton(game_);
    default:
        loadbutton(game_);
        if (!dialogs_.said("Game Loaded")) return;
        replaced(true);
        totals_.careers += !playing_ || declined_;
        playing_ = true;
        declined_ = false;
    }
}

// Another band took the screen. A new or loaded game starts as a fresh program would show
// it; a new band plays on in the week that signed the old one.
void Soak::replaced(bool fresh) {
    replaced_ = true;
    if (fresh) mayinterview_ = false, maybook_ = true;
}

void Soak::violated(const std::string& what) {
    if (++totals_.violations <= 10)
        std::fprintf(stderr, "violation after action %ld: %s\n", totals_.actions, what.c_str());
}

void Soak::check(const Game& before) {
    checkmembers();
    checkcounters();
    checkcontrols(before);
    checkscreens();
    checkstorage(before);
    checkprices(before);
    if (stale_ && (game_.state != before.state || !dialogs_.texts.empty() || !game_.fileoptions ||
                   game_.fileoptions->thefile != before.fileoptions->thefile ||
                   game_.screens.shown(Screen::fileoptions)))
        violated("a file options screen that is not up acted");
    // A 16-bit sum that wrapped would jump by more than the range allows.
    const auto& s = game_.state;
    if (!replaced_ && (std::abs(s.cash - before.state.cash) > 32767 ||
                       std::abs(s.popularity - before.state.popularity) > 32767))
        violated("cash or popularity wrapped");
}

// Every member's values within what hiring, training and the weeks can make of them.
void Soak::checkmembers() {
    const auto& s = game_.state;
    auto within = [](int value, int low, int high) { return value >= low && value <= high; };
    for (int slot = 1; slot <= membercount; ++slot) {
        bool sound = s.happiness[slot] <= 10 && s.discord[slot] >= 0 &&
                     within(s.illweeks[slot], 0, 10) && within(s.lessons[slot], 0, 6);
        if (s.occupied(slot))
            sound = sound && within(s.memberage[slot], 17, 22) && s.talent[slot] >= 1 &&
                    within(s.charisma[slot], 1, 10) && within(s.attitude[slot], 1, 10) &&
                    within(s.looks[slot], 1, 10) && within(s.songwriting[slot], 1, 3) &&
                    (s.membersex[slot] == "Male" || s.membersex[slot] == "Female");
        if (!sound) violated("member " + std::to_string(slot) + " is out of range");
    }
}

void Soak::checkcounters() {
    const auto& s = game_.state;
    auto within = [](int value, int low, int high) { return value >= low && value <= high; };
    bool sound = within(s.applicantslot, 1, membercount) && within(s.songcount, 0, songlimit) &&
                 s.lastsong == s.songcount && within(s.songtimer, 1, songidle) &&
                 (s.songtimer == songidle || s.songcount < songlimit) &&
                 within(s.promotion, 0, 4) && s.tiredness >= 0 && within(s.invitation, 0, 2) &&
                 s.popularity >= 0 && s.cash >= 0 && s.applicantsthisweek >= 0 &&
                 within(game_.main.Selected, 0, membercount) &&
                 within(game_.main.selectedsong, 0, songlimit);
    for (int song = 1; song <= s.songcount; ++song)
        sound = sound && s.songquality[song] >= 8 && s.songname[song].find(' ') != 0;
    for (int slot = 1; slot <= membercount; ++slot)
        sound = sound && within(s.listslot[slot], 0, membercount);
    for (int venue = 1; venue <= venuecount; ++venue)
        sound = sound && (s.venueopen[venue] == vbtrue || s.venueopen[venue] == vbfalse);
    for (int position = 1; position <= setlength; ++position)
        sound = sound && within(s.setlist[position], 0, songlimit);
    if (!sound) violated("a counter or index is out of its range");
}

// Every enabled flag and list follows the state it comes from.
void Soak::checkcontrols(const Game& before) {
    const auto& s = game_.state;
    const auto& c = game_.controls;
    if (game_.screens.shown(Screen::main)) {
        std::vector<std::string> members, songs;
        for (int slot = 1; slot <= membercount; ++slot)
            if (s.occupied(slot)) members.push_back(s.membername[slot]);
        for (int slot = 1; slot <= s.songcount; ++slot)
            songs.push_back(s.songname[slot]);
        if (c.members != members || c.songlist != songs)
            violated("the member or track list is not the band's");
    }
    if (c.hire != c.dismiss || (s.fullband() && (c.hire || c.txtapplicant != "No Applicants")))
        violated("HIRE and DISMISS do not follow the vacancies");
    if (c.Command2 && selectedmember(game_) == 0) violated("SACK is enabled with nobody picked");
    if (replaced_ && (game_.main.Selected != 0 || game_.main.selectedsong != 0 || c.Command2))
        violated("a pick of the band before outlived it");
    if (c.interview != mayinterview_) violated("INTERVIEW does not follow the week's invitation");
    if (c.command4 != maybook_) violated("BOOK GIG does not follow this week's gig");
    if (const auto& f = game_.fileoptions; f && (f->save != nameclicked_ || f->load != filepicked_))
        violated("SAVE or LOAD does not follow the name box and the file picked");
    if (const auto& g = game_.gig) {
        bool sound = g->trackcount >= 0 && g->trackcount <= setlength &&
                     g->command1 == (g->checkindex != 0) && (!g->picker || g->command4) &&
                     static_cast<int>(g->Combo1.size()) == s.songcount;
        for (int i = 0; i < setlength; ++i)
            sound = sound && g->tracks[static_cast<std::size_t>(i)].empty() == (i >= g->trackcount);
        if (g->checkindex != 0)
            sound = sound && g->location[static_cast<std::size_t>(g->checkindex - 1)];
        if (!sound) violated("the gig screen's controls do not follow the booking");
    }
    if (before.gig && !game_.gig && game_.magazine && s.popularity < before.state.popularity)
        violated("a gig lowered popularity");
}

// One screen in front, a file options screen only over the one that opened it.
void Soak::checkscreens() {
    const auto& sc = game_.screens;
    int front = 0;
    for (Screen s :
         {Screen::main, Screen::title, Screen::gig, Screen::magazine, Screen::recorddeal})
        front += sc.shown(s);
    if (front != 1) violated("not exactly one of main, title, gig, magazine and record deal is up");
    if (sc.shown(Screen::title) && playing_ && !declined_)
        violated("the title screen came back over a running game");
    if (sc.shown(Screen::gig) != game_.gig.has_value() ||
        sc.shown(Screen::magazine) != game_.magazine.has_value() ||
        sc.shown(Screen::recorddeal) != game_.recorddeal.has_value())
        violated("a screen and its controls disagree");
    if (sc.shown(Screen::fileoptions)) {
        const Screen opener = game_.fileoptions && game_.fileoptions->mode == FileMode::save
                                  ? Screen::main
                                  : Screen::title;
        if (!game_.fileoptions || sc.owner(Screen::fileoptions) != opener || !sc.shown(opener))
            violated("the file options screen is up without its opener");
    }
}

// What the main screen shows can be saved and loaded back unchanged, and a game reported
// saved loads back as itself.
void Soak::checkstorage(const Game& before) {
    const auto& s = game_.state;
    if (game_.screens.shown(Screen::main)) {
        const auto bytes = encodesave(s);
        if (!bytes || decodesave(*bytes, s) != s) violated("saving and loading changes the game");
    }
    if (!dialogs_.said("Game Saved")) return;
    Module1 reloaded = before.state;
    reloaded.bandname += "?";
    if (!loadgame(reloaded, chosenpath(*before.fileoptions)) || reloaded != s)
        violated("a game reported saved does not load back as the same game");
}

// Lessons, holidays, promotion, wages and fees cost or pay what they should, venues take a
// band as popular as they ask, and weeks and holidays move the calendar by their length.
void Soak::checkprices(const Game& before) {
    if (replaced_ || game_.recorddeal) return; // a new band brings its own cash
    const auto& [s, b] = std::tie(game_.state, before.state);
    const int spent = b.cash - s.cash;
    const auto days =
        (std::chrono::sys_days{s.gamedate} - std::chrono::sys_days{b.gamedate}).count();
    constexpr int promotions[] = {0, 0, 100, 250, 400}, fees[] = {0, 0, 50, 100, 150, 250},
                  asked[] = {0, 3, 60, 200, 260, 310};
    auto wages = [](int pounds) { return pounds >= 0 && pounds <= 12; };
    bool sound = spent == 0 && days == 0;
    if (kind_ == Kind::lesson) sound = days == 0 && (spent == 0 || spent == 75);
    if (kind_ == Kind::holiday) sound = (spent == 0 && days == 0) || (spent == 300 && days == 14);
    if (kind_ == Kind::gig && game_.magazine)
        sound = days == 0 && -spent == fees[before.gig->checkindex];
    if (kind_ == Kind::week)
        sound = days == 7 && (wages(spent) || wages(spent - promotions[b.promotion]));
    if (kind_ == Kind::apply && !dialogs_.texts.empty())
        sound = sound && dialogs_.said("You have been allowed to play a gig!") ==
                             (s.popularity >= asked[game_.gig->checkindex]);
    if (!sound) violated("cash, calendar or a venue's answer is off the rules' numbers");
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
    std::printf("soak seed %u: %ld actions, %ld weeks, %ld gigs, %ld careers, %ld signings, %ld "
                "violations\n",
                seed, totals.actions, totals.weeks, totals.gigs, totals.careers, totals.signings,
                totals.violations);
    return totals.violations == 0 ? 0 : 1;
}
