// Training. Every seventh step of a member's hidden progress counter is a point of talent.
#include "roster/practice.h"

#include "roster/memberdetails.h"
#include "state/refresh.h"

#include <array>

namespace quorvane {

namespace {

constexpr int talentstep = 7;
constexpr int lessonprice = 75;
constexpr int practicetiredness = 2;
// The lesson each slot takes; the bass player learns on a guitar.
const std::array<const char*, membercount + 1> subjects = {"", "Singing", "Guitar", "Guitar",
                                                           "Drums"};

// Adds `gain` to the slot's progress; true when that completes a point of talent.
bool progress(Module1& s, int slot, int gain) {
    add16(s.lessons[slot], gain);
    if (s.lessons[slot] < talentstep) return false;
    add16(s.talent[slot], 1);
    s.lessons[slot] = 0;
    return true;
}

} // namespace

void practise(Game& game) {
    auto& s = game.state;
    const int slot = draw(game.random, membercount);
    if (progress(s, slot, 1 + below(game.random, 2)))
        game.dialogs.message("Thanks to practising, " + s.membername[slot] +
                             " has become more talented!");
    add16(s.tiredness, practicetiredness);
}

void givelesson(Game& game) {
    auto& s = game.state;
    const int slot = selectedmember(game);
    if (slot == 0) {
        game.dialogs.message(nomemberpicked);
        return;
    }
    if (!game.dialogs.ask("It will cost £75 to give " + s.membername[slot] + " a " +
                          subjects[slot] + " lesson. Go ahead?"))
        return;
    if (s.cash < lessonprice) {
        game.dialogs.message("You don't have enough money for this lesson!");
        return;
    }
    add16(s.cash, -lessonprice);
    if (progress(s, slot, 1))
        game.dialogs.message("Thanks to the lesson, " + s.membername[slot] +
                             " has become more talented!");
    update(game);
}

} // namespace quorvane
