// Plays many careers at random through the operations the screens call, clicking only what
// the screen in front offers (and now and then a file options screen left behind), and checks
// the whole game after every action. `soak [actions] [seed]` prints one line of totals and
// fails on any broken invariant.
#include "support/rules.h"
#include "support/tempfolder.h"

#include <algorithm>
#include <cstdio>
#include <ranges>

namespace quorvane::testing {
namespace {

// Answers at random and keeps what the action said, for the checks.
struct CoinDialogs final : Dialogs {
    explicit CoinDialogs(Random& coin) : coin(coin) {}
    void message(std::string_view text, Icon) override { note(text); }
    bool ask(std::string_view text) override { return note(text), draw(coin, 2) == 1; }
    std::string prompt(std::string_view text, std::string_view, std::string_view) override {
        note(text);
        return draw(coin, 10) == 1 ? "" : "Soak " + std::to_string(draw(coin, 99));
    }
    void note(std::string_view text) { logshown(text), texts.emplace_back(text); }
    Random& coin;
    std::vector<std::string> texts; // since the action began
};

const auto within = [](int value, int low, int high) { return value >= low && value <= high; };

// The popularity each venue asks for.
constexpr int asked[] = {0, 3, 60, 200, 260, 310};

// What the action was, for the numbers it may change.
enum class Kind { idle, hire, fire, sack, write, teach, rest, apply, gig, week, mood, talk, disk };

// The main screen's clicks that need only the game and a number to pick a row or level.
using Click = void (*)(Game&, int);
const std::pair<Click, Kind> clicks[] = {
    {[](Game& g, int) { hireapplicant(g); }, Kind::hire},
    {[](Game& g, int) { dismissapplicant(g); }, Kind::fire},
    {[](Game& g, int n) { showmember(g, n % 5 - 1); }, Kind::idle},
    {[](Game& g, int) { sackmember(g); }, Kind::sack},
    {[](Game& g, int) { givelesson(g); }, Kind::teach},
    {[](Game& g, int) { writesong(g); }, Kind::write},
    {[](Game& g, int n) { choosepromotion(g, n % 4); }, Kind::idle},
    {[](Game& g, int n) { selectsong(g, n - 1); }, Kind::idle},
    {[](Game& g, int) { memberreport(g); }, Kind::mood},
    {[](Game& g, int) { bookholiday(g); }, Kind::rest},
    {[](Game& g, int) { checkgigband(g); }, Kind::idle},
    {[](Game& g, int) { senddemo(g); }, Kind::idle},
    {[](Game& g, int) { giveinterview(g); }, Kind::talk}};
constexpr int clickcount = static_cast<int>(std::size(clicks));

// Whether `holds(slot)` for every slot of the band.
template <typename Holds> bool everyslot(Holds holds) {
    return std::ranges::all_of(std::views::iota(1, membercount + 1), holds);
}

struct Totals {
    long actions = 0, weeks = 0, gigs = 0, careers = 0, signings = 0, violations = 0;
};

class Soak {
public:
    Soak(std::uint32_t seed, std::string folder, Totals& totals)
        : random_(seed), clicks_(seed + 7919), dialogs_(clicks_),
          game_(random_, dialogs_, navigator_), folder_(std::move(folder)), totals_(totals) {
        startup(game_);
        // Bands to load: one on the brink of a deal, so careers end in signings; one famous
        // enough for every venue but with no hit, so gigs are played at all five; their members
        // charming and easy, or plain and difficult, so interviews go well and badly. And two
        // at edges: of paying for a Medium promotion, and of being famous enough for the media.
        const std::tuple<const char*, int, int, int, int, int> bands[] = {
            // name, song quality, popularity, cash, promotion, charisma (attitude 11 less)
            {"Famous", 45, 1500, 32000, 0, 5},
            {"Stars", 30, 1500, 32000, 0, 8},
            {"Edge", 30, 400, 250, 3, 5},
            {"Known", 45, 500, 32000, 0, 1}};
        Module1 band = game_.state;
        formband(band, setlength);
        for (const auto& [name, quality, popularity, cash, promotion, charm] : bands) {
            std::tie(band.bandname, band.popularity, band.cash, band.promotion) =
                std::tuple(name, popularity, cash, promotion);
            for (int slot = 1; slot <= membercount; ++slot)
                std::tie(band.charisma[slot], band.attitude[slot]) = std::tuple(charm, 11 - charm);
            band.songquality.fill(static_cast<int16>(quality));
            band.songquality[1] = static_cast<int16>(quality - 2); // demos the label only likes
            band.songquality[2] = static_cast<int16>(quality + 5);
            if (savegame(band, folder_ + "/" + name + ".zef")) violated("a band was not saved");
        }
    }
    void run(long actions) {
        for (long i = 0; i < actions; ++i) {
            const Game before = game_;
            dialogs_.texts.clear();
            std::tie(stale_, replaced_, fresh_, kind_, track_) =
                std::tuple(false, false, false, Kind::idle, -1);
            act();
            ++totals_.actions;
            totals_.weeks += game_.state.gamedate != before.state.gamedate;
            check(before);
        }
    }

private:
    int pick(int n) { return below(clicks_, n); }
    bool heard(std::string_view part) const {
        return std::ranges::any_of(dialogs_.texts,
                                   [part](auto& t) { return t.find(part) != t.npos; });
    }
    void violated(const std::string& what) {
        if (++totals_.violations <= 10)
            std::fprintf(stderr, "violation after action %ld: %s\n", totals_.actions, what.c_str());
    }
    // Another band took the screen. A new or loaded game starts as a fresh program shows it;
    // a new band plays on in the week that signed the old one.
    void replaced(bool fresh) {
        std::tie(replaced_, fresh_) = std::tuple(true, fresh);
        if (fresh) mayinterview_ = false, maybook_ = true;
    }

    void act() {
        // A file options screen in front is clicked often, one left hidden now and then.
        if (game_.fileoptions && pick(game_.screens.shown(Screen::fileoptions) ? 2 : 8) == 0)
            return onfileoptions();
        if (game_.recorddeal && pick(2) == 0)
            return acceptnewband(game_), replaced(false), void(++totals_.careers);
        if (game_.recorddeal) return declinenewband(game_), void(declined_ = true);
        if (game_.magazine) return closemagazine(game_);
        if (game_.gig) return ongig();
        if (!game_.screens.shown(Screen::title)) return onmain();
        if (pick(4) == 0) return openfileoptions(game_, FileMode::load, folder_);
        startnewgame(game_);
        if (!game_.screens.shown(Screen::main)) return secretjoke(game_);
        replaced(true);
        ++totals_.careers;
        std::tie(declined_, playing_) = std::tuple(false, true);
    }

    // Every click of the main screen, NEXT WEEK most often. Last week's invitation lapses early
    // in a week; a week that cannot pay its wages stops before BOOK GIG comes back.
    void onmain() {
        if (game_.controls.hire && pick(2)) { // bands form, and turn applicants away, often
            kind_ = pick(2) ? Kind::hire : Kind::fire;
            return kind_ == Kind::hire ? hireapplicant(game_) : dismissapplicant(game_);
        }
        const int roll = pick(clickcount + 8);
        if (roll == clickcount) return checkgigband(game_); // and go on stage often
        if (roll == clickcount + 1) return openfileoptions(game_, FileMode::save, folder_);
        if (roll < clickcount) {
            kind_ = clicks[roll].second;
            mayinterview_ = mayinterview_ && kind_ != Kind::talk;
            return clicks[roll].first(game_, pick(songlimit + 1));
        }
        kind_ = Kind::week;
        const bool sent = game_.main.demo;
        nextweek(game_);
        mayinterview_ = heard("You have been invited");
        maybook_ = maybook_ || !heard("pay the band");
        totals_.signings += sent && game_.recorddeal;
    }

    // Whatever the gig screen allows, a booking most often carried through to PLAY GIG.
    void ongig() {
        const auto& gig = *game_.gig;
        const int roll = pick(16);
        const bool hopeless = game_.state.songcount < setlength || !gig.picker;
        if (roll == 0 || (hopeless && roll < 4)) return closegig(game_);
        if (roll == 1) return cleargiglist(game_);
        if (roll == 2 || gig.checkindex == 0) return choosevenue(game_, pick(venuecount + 1) - 1);
        // A track is picked until the list is full, and now and then before a yes or after six.
        if (roll == 4 || (gig.picker && gig.trackcount < setlength && roll < 15))
            return void(addgigtrack(game_, track_ = pick(game_.state.songcount + 2)));
        kind_ = !gig.picker || roll == 3 ? Kind::apply : Kind::gig;
        if (kind_ == Kind::apply) return void(applyforgig(game_));
        playgig(game_);
        totals_.gigs += game_.magazine.has_value();
        maybook_ = maybook_ && !game_.magazine;
    }

    // A click on the file options screen, which may be hidden, or gone behind its opener.
    void onfileoptions() {
        std::tie(stale_, kind_) = std::tuple(!game_.screens.shown(Screen::fileoptions), Kind::disk);
        const char* names[] = {"Famous.zef",  "Stars.zef",   "Edge.zef",   "Known.zef",
                               "career0.zef", "career1.zef", "missing.zef"};
        const int roll = pick(9);
        if (roll < 2) pickfile(game_, names[pick(7)]);
        if (roll == 2) clickfilename(game_);
        if (roll == 3) typefilename(game_, names[4 + pick(2)]);
        if (roll == 4) backbutton(game_);
        if (roll == 5) closefileoptionswindow(game_);
        if (roll == 6) savebutton(game_);
        if (roll < 7) return;
        loadbutton(game_);
        if (!heard("Game Loaded")) return;
        replaced(true);
        totals_.careers += !playing_ || declined_;
        std::tie(declined_, playing_) = std::tuple(false, true);
    }

    void check(const Game& before) {
        const auto& [s, sc] = std::tie(game_.state, game_.screens);
        // Every value within what hiring, training, the weeks and the tables can make of it.
        bool sound = within(s.applicantslot, 1, membercount) && within(s.songcount, 0, songlimit) &&
                     s.lastsong == s.songcount && within(s.songtimer, 1, songidle) &&
                     (s.songtimer == songidle || s.songcount < songlimit) &&
                     within(s.promotion, 0, 4) && s.tiredness >= 0 && within(s.invitation, 0, 2) &&
                     s.popularity >= 0 && s.cash >= 0 && s.applicantsthisweek >= 0 &&
                     within(game_.main.Selected, 0, membercount) &&
                     within(game_.main.selectedsong, 0, songlimit);
        for (int slot = 1; slot <= membercount; ++slot) {
            sound = sound && s.happiness[slot] <= 10 && s.discord[slot] >= 0 &&
                    within(s.illweeks[slot], 0, 10) && within(s.lessons[slot], 0, 6) &&
                    within(s.listslot[slot], 0, membercount);
            if (s.occupied(slot))
                sound = sound && within(s.memberage[slot], 17, 22) && s.talent[slot] >= 1 &&
                        within(s.charisma[slot], 1, 10) && within(s.attitude[slot], 1, 10) &&
                        within(s.looks[slot], 1, 10) && within(s.songwriting[slot], 1, 3) &&
                        (s.membersex[slot] == "Male" || s.membersex[slot] == "Female");
        }
        for (int song = 1; song <= s.songcount; ++song)
            sound = sound && s.songquality[song] >= 8 && !s.songname[song].empty();
        for (int venue = 1; venue <= venuecount; ++venue)
            sound = sound && (s.venueopen[venue] == vbtrue || s.venueopen[venue] == vbfalse);
        for (int position = 1; position <= setlength; ++position)
            sound = sound && within(s.setlist[position], 0, songlimit);
        if (!sound) violated("a value is out of its range");
        // One screen in front, a file options screen only over the one that opened it.
        const int front = sc.shown(Screen::main) + sc.shown(Screen::title) + sc.shown(Screen::gig) +
                          sc.shown(Screen::magazine) + sc.shown(Screen::recorddeal);
        const Screen opener = game_.fileoptions && game_.fileoptions->mode == FileMode::save
                                  ? Screen::main
                                  : Screen::title;
        if (front != 1 || (sc.shown(Screen::title) && playing_ && !declined_) ||
            sc.shown(Screen::gig) != game_.gig.has_value() ||
            sc.shown(Screen::magazine) != game_.magazine.has_value() ||
            sc.shown(Screen::recorddeal) != game_.recorddeal.has_value() ||
            (sc.shown(Screen::fileoptions) &&
             (!game_.fileoptions || sc.owner(Screen::fileoptions) != opener || !sc.shown(opener))))
            violated("not one screen in front, or a screen up without its opener");
        if (game_.gig && !before.gig &&
            (!s.fullband() || !everyslot([&](int m) { return s.illweeks[m] == 0; })))
            violated("a gig was booked for a band not whole and fit");
        if (stale_ && (s != before.state || !dialogs_.texts.empty() || !game_.fileoptions ||
                       game_.fileoptions->thefile != before.fileoptions->thefile ||
                       sc.shown(Screen::fileoptions)))
            violated("a file options screen that is not up acted");
        // What the main screen shows can be saved and loaded back unchanged, and a game reported
        // saved, from GAME OPTIONS only, loads back as itself.
        if (const auto bytes = encodesave(s);
            sc.shown(Screen::main) && (!bytes || decodesave(*bytes, s) != s))
            violated("saving and loading changes the game");
        if (Module1 reloaded = before.state;
            heard("Game Saved") &&
            (before.fileoptions->mode != FileMode::save ||
             !loadgame(reloaded, chosenpath(*before.fileoptions)) || reloaded != s))
            violated("a game reported saved does not load back as the same game");
        checkflags();
        checknumbers(before);
    }

    // Every enabled flag and list follows the state it comes from.
    void checkflags() {
        const auto& [s, c] = std::tie(game_.state, game_.controls);
        std::vector<std::string> members, songs;
        for (int slot = 1; slot <= membercount; ++slot)
            if (s.occupied(slot)) members.push_back(s.membername[slot]);
        for (int slot = 1; slot <= s.songcount; ++slot)
            songs.push_back(s.songname[slot]);
        if (game_.screens.shown(Screen::main) && (c.members != members || c.songlist != songs))
            violated("the member or track list is not the band's");
        if (c.hire != c.dismiss || (s.fullband() && (c.hire || c.txtapplicant != "No Applicants")))
            violated("HIRE and DISMISS do not follow the vacancies");
        if ((c.Command2 && selectedmember(game_) == 0) ||
            (game_.main.Selected != 0 && !s.occupied(game_.main.Selected)) ||
            (replaced_ && (game_.main.Selected != 0 || game_.main.selectedsong != 0 || c.Command2)))
            violated("SACK or a pick does not follow the band on the screen");
        if (const int slot = selectedmember(game_)) {
            const auto p = memberpanel(game_);
            if (str(p.txtage, p.txtsex, p.txtinstrument, p.txttalent, p.txtcharisma, p.txtattitude,
                    p.txtlooks) != str(s.memberage[slot], s.membersex[slot], s.instrument[slot],
                                       s.talent[slot], s.charisma[slot], s.attitude[slot],
                                       s.looks[slot]))
                violated("the member panel does not show the member picked");
        }
        if (c.interview != mayinterview_ || c.command4 != maybook_)
            violated("INTERVIEW or BOOK GIG does not follow this week's invitation and gig");
    }

    // Money, time and words follow the rules' own numbers.
    void checknumbers(const Game& before) {
        const auto& [s, b] = std::tie(game_.state, before.state);
        // Lesson progress, and the score between deals, belong to the run, not to a band.
        if (replaced_ && (s.lessons != b.lessons || (fresh_ && s.managerscore != b.managerscore)))
            violated("a new band took the run's lessons or score");
        if (replaced_ || game_.recorddeal) return; // a new band brings its own cash
        if (!costheld(before)) violated("an action's price or length is off the rules");
        if (!bandheld(before)) violated("hiring, a lesson, a song, a leaver or a holiday is off");
        if (!wordsheld(before)) violated("a box's words or the set list are off the rules");
    }

    // What an action costs and how long it takes: prices, fees, wages and holidays.
    bool costheld(const Game& before) const {
        const auto& [s, b] = std::tie(game_.state, before.state);
        const int spent = b.cash - s.cash;
        const auto days =
            (std::chrono::sys_days{s.gamedate} - std::chrono::sys_days{b.gamedate}).count();
        const bool still = days == 0;
        constexpr int promotions[] = {0, 0, 100, 250, 400}, fees[] = {0, 0, 50, 100, 150, 250};
        auto wages = [](int pounds) { return pounds >= 0 && pounds <= 12; };
        if (kind_ == Kind::disk) return true;
        if (kind_ == Kind::teach) return still && (spent == 0 || spent == 75);
        if (kind_ == Kind::rest) // two weeks, for a whole band
            return (still && spent == 0) || (days == 14 && spent == 300 && b.fullband());
        if (kind_ == Kind::week) // a promotion is paid for when the cash allows, then wages
            return days == 7 && heard("cannot afford") == (b.cash < promotions[b.promotion]) &&
                   (wages(spent) || wages(spent - promotions[b.promotion]));
        if (kind_ == Kind::gig && game_.magazine)
            return still && -spent == fees[before.gig->checkindex];
        return still && spent == 0;
    }

    // The band as hiring, lessons, songs, leavers and holidays leave it.
    bool bandheld(const Game& before) const {
        const auto& [s, b] = std::tie(game_.state, before.state);
        const int slot = selectedmember(before), seen = s.applicantsthisweek;
        const bool limit = heard("No more applicants"), paid = b.cash != s.cash;
        if (kind_ == Kind::teach) { // a step for £75, a point of talent at the seventh
            const char* subjects[] = {"", "Singing", "Guitar", "Guitar", "Drums"};
            const int step = slot ? b.lessons[slot] + 1 : 0;
            return heard(slot ? subjects[slot] : "Please select") &&
                   (!paid ? s == b && (b.cash < 75 || !heard("enough money"))
                          : s.lessons[slot] == step % 7 &&
                                s.talent[slot] == b.talent[slot] + step / 7 &&
                                heard("Thanks to the lesson") == (step == 7));
        }
        if (kind_ == Kind::fire && before.controls.dismiss) // three may be turned away a week
            return b.applicantsthisweek == 3 ? seen == 3 && limit && !game_.controls.dismiss
                                             : seen == b.applicantsthisweek + 1 && !limit;
        if (kind_ == Kind::hire && before.controls.hire) // and the fifth hired is the last
            return seen == b.applicantsthisweek + 1 && limit == (seen == 5);
        // WRITE SONG is refused in this order, or takes 2 to 5 weeks; a tired band is less happy.
        if (kind_ == Kind::write) {
            const char* why = b.songcount == songlimit ? "limit of 20"
                              : b.songtimer < songidle ? "currently working"
                              : !b.fullband()          ? "full band"
                                                       : "";
            const bool started = s.songtimer != b.songtimer, tired = started && b.tiredness > 0;
            return heard(why) && (started ? !*why && within(s.songtimer, 2, 5) : s == b) &&
                   everyslot([&](int m) {
                       return s.happiness[m] == std::max(0, b.happiness[m] - tired);
                   });
        }
        // A leaver costs twice their skills; a friend shocks the rest by 4, a troublemaker cheers
        // them by the discord they caused.
        if (kind_ == Kind::sack && slot && !s.occupied(slot)) {
            const int d = b.discord[slot], skills = b.talent[slot] + b.charisma[slot] +
                                                    b.looks[slot] + b.songwriting[slot];
            return s.popularity == std::max(0, b.popularity - 2 * skills) && everyslot([&](int m) {
                       return s.happiness[m] == (d < 1       ? std::max(0, b.happiness[m] - 4)
                                                 : m == slot ? b.happiness[m]
                                                             : std::min(10, b.happiness[m] + d));
                   });
        }
        if (kind_ == Kind::rest) // a whole band first; 4 happier but never past 10
            return (b.fullband() || heard("full band")) && everyslot([&](int m) {
                       return s.happiness[m] ==
                              (paid ? std::min(b.happiness[m] + 4, 10) : b.happiness[m]);
                   });
        return true;
    }

    // The words of a box from the numbers behind them: a venue's answer, the label's, a member's
    // report, an interview's; and the set list the gig screen keeps.
    bool wordsheld(const Game& before) const {
        const auto& [s, b] = std::tie(game_.state, before.state);
        if (track_ >= 0) { // six different tracks, none before a venue has said yes
            const auto& [was, is] = std::tie(*before.gig, *game_.gig);
            const bool open = was.picker && within(track_, 1, b.songcount),
                       full = was.trackcount == setlength,
                       repeat = std::count(&b.setlist[1], &b.setlist[1] + was.trackcount, track_);
            const bool takes = open && !full && !repeat;
            return is.trackcount == was.trackcount + takes && is.picker == was.picker &&
                   heard("No more tracks") == (open && full) &&
                   heard("already on the list") == (open && !full && repeat) &&
                   (!takes || is.tracks[static_cast<std::size_t>(was.trackcount)] ==
                                  std::to_string(is.trackcount) + ". " + b.songname[track_]);
        }
        const int slot = selectedmember(before), track = selectedtrack(game_);
        const int h = b.happiness[slot], d = b.discord[slot], gained = s.popularity - b.popularity;
        if (kind_ == Kind::week && heard("You have been invited") &&
            (s.popularity <= 500 || heard("Radio") != (s.invitation == radio)))
            return false; // only a famous band is called, by the radio or the TV as drawn
        if (kind_ == Kind::apply && !dialogs_.texts.empty())
            return heard("allowed to play") == (s.popularity >= asked[game_.gig->checkindex]);
        if (kind_ == Kind::gig && before.gig->trackcount < setlength) // PLAY GIG wants all six
            return !game_.magazine && heard("a full list");
        if (kind_ == Kind::week && before.main.demo && track && !heard("pay the band")) {
            const int q = s.songquality[track]; // maybe written this week; no answer on a bound
            const int answer = q == 20 || q == 25 || q == 30 || q == 40
                                   ? -1
                                   : (q > 20) + (q > 25) + (q > 30) + (q > 40);
            const char* answers[] = {"rejected the demo", "thought the song was ok",
                                     "liked your song", "liked the song a lot", "loved the track"};
            return std::ranges::all_of(std::views::iota(0, 5), [&](int i) {
                return heard(answers[i]) == (answer == i && (i < 4 || !game_.recorddeal));
            });
        }
        const char* moods[] = {"is unhappy. ", "is content. ", "quite happy. ", "very happy. "};
        const char* standings[] = {"really well", "pretty well", "tolerated", "hated"};
        if (kind_ == Kind::mood && slot)
            return heard(moods[(h > 3) + (h > 6) + (h > 8)]) &&
                   heard(standings[(d > 2) + (d > 4) + (d > 6)]) &&
                   heard(b.membersex[slot] == "Male" ? ". He " : ". She ");
        if (kind_ == Kind::talk && before.controls.interview && s.popularity < 32767)
            return heard(gained < 20 ? "poor" : gained <= 60 ? "o.k" : "fantastic!");
        return true;
    }

    MersenneRandom random_, clicks_;
    CoinDialogs dialogs_;
    QuietNavigator navigator_;
    Game game_;
    std::string folder_;
    Totals& totals_;
    // What the rules say the controls must show, kept apart from the game's own flags.
    bool mayinterview_ = false; // the week's invitation is not used yet
    bool maybook_ = true;       // no gig played this week
    bool stale_ = false;        // the action clicked a file options screen not up
    bool replaced_ = false;     // another band took the screen: nothing of the old is picked
    bool fresh_ = false;        // and it is a new or loaded game, not a band on offer
    bool playing_ = false;      // a game has started since the program did
    bool declined_ = false;     // NO to a new band: the title screen is back on purpose
    Kind kind_ = Kind::idle;
    int track_ = -1; // the row of the track picker clicked
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
