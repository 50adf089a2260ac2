// Plays many careers at random through the operations the screens call, clicking only what
// the screen in front offers (and now and then a file options screen left behind), and checks
// after every action what must hold whatever the rules' numbers are. `soak [actions] [seed]`
// prints one line of totals and fails on any broken invariant.
#include "support/rules.h"
#include "support/tempfolder.h"

#include <algorithm>
#include <cstdio>

namespace quorvane::testing {
namespace {

// The main screen's buttons; a row or a level is picked apart.
using Button = void (*)(Game&);
constexpr Button buttons[] = {hireapplicant, dismissapplicant, sackmember,  givelesson,
                              writesong,     memberreport,     bookholiday, checkgigband,
                              senddemo,      giveinterview};
constexpr int buttoncount = static_cast<int>(std::size(buttons));

// The files offered: a band made here, two saved in play, and one never there.
const char* const files[] = {"Famous.zef", "career0.zef", "career1.zef", "none.zef"};

struct Totals {
    long actions = 0, weeks = 0, gigs = 0, careers = 0, signings = 0, violations = 0;
};

// A player who answers every box at random and keeps what each action said, for the checks.
class Soak final : Dialogs {
public:
    Soak(std::uint32_t seed, std::string folder, Totals& totals)
        : random_(seed), clicks_(seed + 7919), game_(random_, *this, navigator_),
          folder_(std::move(folder)), totals_(totals) {
        startup(game_);
        // A band famous enough for every venue, so gigs are played at all five, with tracks of
        // quality 30 to 55: half of them hits, so careers end in signings, but not at once.
        Module1 band = game_.state;
        formband(band, setlength);
        band.bandname = "Famous";
        band.popularity = 1500;
        expect(!savegame(band, folder_ + "/Famous.zef"), "the famous band was not saved");
    }
    void run(long actions) {
        for (long i = 0; i < actions; ++i) {
            const Game before = game_;
            said_.clear();
            stale_ = false;
            replaced_ = false;
            passing_ = false;
            act();
            ++totals_.actions;
            totals_.weeks += game_.state.gamedate != before.state.gamedate;
            checkranges(game_.state);
            checkscreens(before);
            checkflags(game_.state, game_.controls);
            checksaving(before);
            checkrun(before);
            checksetlist(before);
        }
    }

private:
    void message(std::string_view text, Icon) override {
        logshown(text);
        said_.append(text).append("\n");
    }
    bool ask(std::string_view text) override {
        message(text, Icon::none);
        return draw(clicks_, 2) == 1;
    }
    std::string prompt(std::string_view text, std::string_view, std::string_view) override {
        message(text, Icon::none);
        return draw(clicks_, 10) == 1 ? "" : "Soak " + std::to_string(draw(clicks_, 99));
    }
    bool heard(std::string_view part) const { return said_.find(part) != std::string::npos; }
    int pick(int n) { return below(clicks_, n); }

    void act() {
        // A file options screen in front is clicked often, one left hidden now and then.
        if (game_.fileoptions && pick(game_.screens.shown(Screen::fileoptions) ? 2 : 8) == 0)
            return onfileoptions();
        if (game_.recorddeal) return ondeal();
        if (game_.magazine) return closemagazine(game_);
        if (game_.gig) return ongig();
        if (!game_.screens.shown(Screen::title)) return onmain();
        if (pick(4) == 0) return openfileoptions(game_, FileMode::load, folder_);
        startnewgame(game_);
        if (!game_.screens.shown(Screen::main)) return secretjoke(game_);
        ++totals_.careers;
        replaced(true);
    }
    // Another band took the screen. A new or loaded game starts as a fresh program shows it,
    // and is in play; a new band plays on in the week that signed the old one.
    void replaced(bool fresh) {
        replaced_ = true;
        if (!fresh) return;
        mayinterview_ = false;
        maybook_ = true;
        playing_ = true;
        declined_ = false;
    }

    // YES plays on with a new band; NO goes back to the title screen.
    void ondeal() {
        declined_ = pick(2) == 0;
        if (declined_) return declinenewband(game_);
        acceptnewband(game_);
        ++totals_.careers;
        replaced(false);
    }

    // Every click of the main screen, NEXT WEEK most often. Last week's invitation lapses early
    // in a week; a week that cannot pay its wages stops before BOOK GIG comes back.
    void onmain() {
        // Bands form, and turn applicants away, often: HIRE and DISMISS lead the buttons.
        if (game_.controls.hire && pick(2)) return buttons[pick(2)](game_);
        const int roll = pick(buttoncount + 11);
        if (roll < buttoncount) {
            passing_ = buttons[roll] == bookholiday;
            mayinterview_ = mayinterview_ && buttons[roll] != giveinterview;
            return buttons[roll](game_);
        }
        if (roll == buttoncount) return showmember(game_, pick(5) - 1);
        if (roll == buttoncount + 1) return choosepromotion(game_, pick(4));
        if (roll == buttoncount + 2) return selectsong(game_, pick(songlimit + 1) - 1);
        if (roll == buttoncount + 3) return checkgigband(game_); // and go on stage often
        if (roll == buttoncount + 4) return openfileoptions(game_, FileMode::save, folder_);
        passing_ = true;
        const bool sent = game_.main.demo;
        nextweek(game_);
        mayinterview_ = heard("You have been invited");
        maybook_ = maybook_ || !heard("pay the band");
        totals_.signings += sent && game_.recorddeal;
    }

    // Whatever the gig screen allows, a booking most often carried through to PLAY GIG.
    void ongig() {
        const GigControls& gig = *game_.gig;
        const int roll = pick(16);
        const bool hopeless = game_.state.songcount < setlength || !gig.picker;
        if (roll == 0 || (hopeless && roll < 4)) return closegig(game_);
        if (roll == 1) return cleargiglist(game_);
        if (roll == 2 || gig.checkindex == 0) return choosevenue(game_, pick(venuecount + 1) - 1);
        // A track is picked until the list is full, and now and then before a yes or after six.
        if (roll == 4 || (gig.picker && gig.trackcount < setlength && roll < 15))
            return void(addgigtrack(game_, pick(game_.state.songcount + 2)));
        if (!gig.picker || roll == 3) return void(applyforgig(game_));
        playgig(game_);
        totals_.gigs += game_.magazine.has_value();
        maybook_ = maybook_ && !game_.magazine;
    }

    // A click on the file options screen, which may be hidden, or gone behind its opener.
    void onfileoptions() {
        stale_ = !game_.screens.shown(Screen::fileoptions);
        const int roll = pick(9);
        if (roll < 2) pickfile(game_, files[pick(static_cast<int>(std::size(files)))]);
        if (roll == 2) clickfilename(game_);
        if (roll == 3) typefilename(game_, files[1 + pick(2)]);
        if (roll == 4) backbutton(game_);
        if (roll == 5) closefileoptionswindow(game_);
        if (roll == 6) savebutton(game_);
        if (roll < 7) return;
        loadbutton(game_);
        if (!heard("Game Loaded")) return;
        totals_.careers += !playing_ || declined_;
        replaced(true);
    }

    void expect(bool holds, const char* what) {
        if (holds || ++totals_.violations > 10) return;
        std::fprintf(stderr, "violation after action %ld: %s\n", totals_.actions, what);
    }
    // A value outside what the rules can make of it, by its name and its slot, song or place.
    void range(const char* field, int value, int low, int high, int index = 0) {
        if (value >= low && value <= high) return;
        const std::string name = index ? str(field, index) : field;
        expect(false, str(name, "is", value, "outside", low, "to", high).c_str());
    }

    // Every value within what hiring, training, the weeks and the tables can make of it. What a
    // saved game must keep in range (the slots, the song counts, promotion) is checked by the
    // save round trip.
    void checkranges(const Module1& s) {
        range("songtimer", s.songtimer, 1, songidle); // a save may hold 0, play never leaves it
        range("tiredness", s.tiredness, 0, INT16_MAX);
        range("cash", s.cash, 0, INT16_MAX);
        range("invitation", s.invitation, 0, 2);
        range("selectedsong", game_.main.selectedsong, 0, songlimit);
        for (int song = 1; song <= s.songcount; ++song)
            range("songquality", s.songquality[song], 8, INT16_MAX, song);
        for (int venue = 1; venue <= venuecount; ++venue)
            range("venueopen", s.venueopen[venue], vbtrue, vbfalse, venue);
        for (int position = 1; position <= setlength; ++position)
            range("setlist", s.setlist[position], 0, songlimit, position);
        for (int slot = 1; slot <= membercount; ++slot) {
            range("happiness", s.happiness[slot], INT16_MIN, 10, slot); // a bad gig may go below 0
            range("discord", s.discord[slot], 0, INT16_MAX, slot);
            range("illweeks", s.illweeks[slot], 0, 10, slot);
            range("lessons", s.lessons[slot], 0, 6, slot);
            if (!s.occupied(slot)) continue;
            range("memberage", s.memberage[slot], 17, 22, slot);
            range("talent", s.talent[slot], 1, INT16_MAX, slot);
            range("charisma", s.charisma[slot], 1, 10, slot);
            range("attitude", s.attitude[slot], 1, 10, slot);
            range("looks", s.looks[slot], 1, 10, slot);
            range("songwriting", s.songwriting[slot], 1, 3, slot);
        }
    }

    // One screen in front, each form with its screen, a file options screen only over the one
    // that opened it; a gig booked only for a band with nobody ill.
    void checkscreens(const Game& before) {
        const Screens& sc = game_.screens;
        const int front = sc.shown(Screen::main) + sc.shown(Screen::title) + sc.shown(Screen::gig) +
                          sc.shown(Screen::magazine) + sc.shown(Screen::recorddeal);
        expect(front == 1, "not one screen in front");
        expect(!sc.shown(Screen::title) || !playing_ || declined_, "the title screen is back");
        expect(sc.shown(Screen::gig) == game_.gig.has_value(), "gig screen without its form");
        expect(sc.shown(Screen::magazine) == game_.magazine.has_value(), "magazine without form");
        expect(sc.shown(Screen::recorddeal) == game_.recorddeal.has_value(), "deal without form");
        const bool saving = game_.fileoptions && game_.fileoptions->mode == FileMode::save;
        const Screen opener = saving ? Screen::main : Screen::title;
        const bool over = sc.owner(Screen::fileoptions) == opener && sc.shown(opener);
        expect(!sc.shown(Screen::fileoptions) || over, "file options up without its opener");
        if (!game_.gig || before.gig) return;
        for (int slot = 1; slot <= membercount; ++slot)
            expect(game_.state.illweeks[slot] == 0, "a gig was booked with a member ill");
    }

    // Every enabled flag and list follows the state it comes from.
    void checkflags(const Module1& s, const MainControls& c) {
        std::vector<std::string> members;
        for (int slot = 1; slot <= membercount; ++slot)
            if (s.occupied(slot)) members.push_back(s.membername[slot]);
        const std::vector<std::string> songs(&s.songname[1], &s.songname[1] + s.songcount);
        const bool main = game_.screens.shown(Screen::main);
        expect(!main || c.members == members, "the member list is not the band's");
        expect(!main || c.songlist == songs, "the track list is not the band's");
        expect(c.hire == c.dismiss, "HIRE and DISMISS differ");
        expect(!s.fullband() || !c.hire, "HIRE is enabled for a full band");
        expect(!s.fullband() || c.txtapplicant == "No Applicants", "a full band has an applicant");
        expect(!c.Command2 || selectedmember(game_) != 0, "SACK is enabled with nobody picked");
        const int picked = game_.main.Selected;
        expect(picked == 0 || s.occupied(picked), "an empty slot is picked");
        expect(!replaced_ || picked == 0, "a member of another band is picked");
        expect(!replaced_ || game_.main.selectedsong == 0, "a track of another band is picked");
        expect(c.interview == mayinterview_, "INTERVIEW does not follow the week's invitation");
        expect(c.command4 == maybook_, "BOOK GIG does not follow the week's gig");
    }

    // What the main screen shows can be saved and loaded back unchanged; a game reported saved,
    // from GAME OPTIONS only, loads back as itself; a file options screen not up does nothing.
    void checksaving(const Game& before) {
        const Module1& s = game_.state;
        if (game_.screens.shown(Screen::main)) {
            const std::optional<std::string> bytes = encodesave(s);
            expect(bytes && decodesave(*bytes, s) == s, "saving and loading changes the game");
        }
        if (heard("Game Saved")) {
            const FileOptionsControls& form = *before.fileoptions;
            Module1 reloaded = before.state;
            expect(form.mode == FileMode::save, "a game was saved from the title screen");
            const bool loaded = loadgame(reloaded, chosenpath(form));
            expect(loaded && reloaded == s, "a game reported saved loads back changed");
        }
        if (!stale_) return;
        expect(s == before.state, "a file options screen not up changed the game");
        expect(said_.empty(), "a file options screen not up showed a box");
        const bool kept =
            game_.fileoptions && game_.fileoptions->thefile == before.fileoptions->thefile;
        expect(kept, "a file options screen not up lost its name");
        expect(!game_.screens.shown(Screen::fileoptions), "a file options screen not up came up");
    }

    // Money is never made from nothing: cash rises only by a gig, or with another band. Time
    // moves only by NEXT WEEK or a holiday, forward, by whole weeks. Lesson progress and the
    // score between deals belong to the run, not to a band.
    void checkrun(const Game& before) {
        const Module1& s = game_.state;
        const Module1& b = before.state;
        expect(!replaced_ || s.lessons == b.lessons, "a new band took the run's lessons");
        expect(!replaced_ || s.managerscore == b.managerscore, "a new band took the run's score");
        if (replaced_) return;
        const bool played = game_.magazine && !before.magazine;
        expect(s.cash <= b.cash || played || game_.recorddeal, "cash rose without a gig");
        const long days = oledays(s.gamedate) - oledays(b.gamedate);
        expect(days == 0 || passing_, "time moved without NEXT WEEK or a holiday");
        expect(days >= 0, "time went backwards");
        expect(days % 7 == 0, "time moved by part of a week");
    }

    // The set list holds six different tracks at most, none taken before a venue said yes.
    void checksetlist(const Game& before) {
        if (!game_.gig) return;
        const GigControls& gig = *game_.gig;
        const Ints<setlength>& list = game_.state.setlist;
        range("trackcount", gig.trackcount, 0, setlength);
        const bool took = before.gig && gig.trackcount > before.gig->trackcount;
        expect(!took || before.gig->picker, "a track was taken before a venue said yes");
        for (int at = 1; at <= std::min<int>(gig.trackcount, setlength); ++at)
            expect(std::count(&list[1], &list[at], list[at]) == 0, "a track is twice on the list");
    }

    MersenneRandom random_, clicks_;
    QuietNavigator navigator_;
    Game game_;
    std::string folder_;
    Totals& totals_;
    std::string said_; // the boxes of the action so far, a line each
    // What the rules say the controls must show, kept apart from the game's own flags.
    bool mayinterview_ = false; // the week's invitation is not used yet
    bool maybook_ = true;       // no gig played this week
    bool stale_ = false;        // the action clicked a file options screen not up
    bool replaced_ = false;     // another band took the screen: nothing of the old is picked
    bool playing_ = false;      // a game has started since the program did
    bool declined_ = false;     // NO to a new band: the title screen is back on purpose
    bool passing_ = false;      // the action was NEXT WEEK or a holiday, which move time
};

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
