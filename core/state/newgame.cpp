// The start of a game: empty roster, £1000, 1 September 2001.
#include "state/newgame.h"

#include "state/tables.h"

namespace quorvane {

namespace {

// First names keep a trailing blank so that first name + surname reads as two words.
const Texts<namecount> malefirst = {
    "",       "Aaron ",  "Adam ",   "Ben ",     "Bryan ", "Brian ", "Chris ", "Carl ",
    "Dave ",  "Darren ", "Steven ", "Richard ", "Gary ",  "Harry ", "Ian ",   "Josh ",
    "Mike ",  "Matt ",   "Neil ",   "Paul ",    "Peter ", "Ryan ",  "Jack ",  "Gareth ",
    "James ", "Jason ",  "Keith ",  "Lewis ",   "Dylan ", "Reece ", "John "};

const Texts<namecount> femalefirst = {
    "",        "Anne ",    "Beth ",    "Joanne ", "Jessica ",   "Hannah ",   "Hayley ",  "Jen ",
    "Sarah ",  "Lindsay ", "Emily ",   "Emma ",   "Charlotte ", "Maria ",    "Rachel ",  "Monica ",
    "Kaye ",   "Mia ",     "Alison ",  "Mary ",   "Alice ",     "Becky ",    "Annette ", "Louise ",
    "Sandra ", "Tracy ",   "Georgia ", "Linda ",  "Rhia ",      "Brittany ", "Nicole "};

const Texts<namecount> lastnames = {
    "",        "Johnson", "Carpenter",  "Smith", "Jones",   "Del Ray",  "Thompson", "Richards",
    "Stevens", "Jacobs",  "Hargreaves", "Hill",  "Smythe",  "Wright",   "Marshall", "Peacock",
    "Edwards", "Jackson", "Miller",     "Young", "Francis", "McGrath",  "Cook",     "Miles",
    "Hewitt",  "Warren",  "De Bourg",   "Casey", "Masters", "Peterson", "Lee"};

const Texts<membercount> instruments = {"", "Vocals", "Guitar", "Bass", "Drums"};

} // namespace

void padtexts(Module1& state) {
    state.bandname = std::string(20, ' ');
    state.songname[songlimit] = std::string(30, ' ');
    state.membername[4] = std::string(30, ' ');
    state.instrument[4] = std::string(30, ' ');
}

void newgame(Module1& state) {
    filltitlewords(state);
    fillvenues(state);
    padtexts(state);
    state.cash = 1000;
    state.gamedate = Date{std::chrono::year{2001}, std::chrono::September, std::chrono::day{1}};
    for (int slot = 1; slot <= membercount; ++slot)
        state.membername[slot] = none;
    state.instrument = instruments;
    state.malenames = malefirst;
    state.femalenames = femalefirst;
    state.surnames = lastnames;
}

} // namespace quorvane
