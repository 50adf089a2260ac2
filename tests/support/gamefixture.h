// A new game wired to scripted stand-ins, with helpers to set up a band without any draws.
#pragma once

#include "state/game.h"
#include "state/newgame.h"
#include "support/scripted.h"

#include <gtest/gtest.h>

namespace quorvane::testing {

using Lines = std::vector<std::string>;

class GameTest : public ::testing::Test {
protected:
    GameTest() {
        newgame(game.state);
        game.state.applicantslot = 1;
        game.state.popularity = 100;
        game.state.bandname = "The Testers";
    }
    void TearDown() override {
        EXPECT_EQ(random.left(), 0u) << "scripted random numbers were left undrawn";
        EXPECT_EQ(dialogs.unexpected, Lines{}) << "questions nobody answered";
    }

    // The nine draws of one applicant, each the lowest value: a 17-year-old Aaron Johnson.
    void applicant() {
        for (int n : {6, 2, 30, 30, 3, 10, 10, 10, 3})
            random.give(1, n);
    }
    // The draws after the song of a quiet week: wages of £1 a member, every venue closed,
    // and events in which nothing happens, for the band as it stands.
    void quietweek() {
        for (int slot = 1; slot <= membercount; ++slot)
            if (game.state.occupied(slot)) random.give(1, 3);
        random.give(2, 2, venuecount);
        calmweek();
    }
    // The draws of a week's events in which nothing happens, for the band as it stands.
    void calmweek() {
        const auto& s = game.state;
        for (int slot = 1; slot <= membercount; ++slot)
            if (s.attitude[slot] < 4) random.give(1, s.attitude[slot]);
        for (int slot = 1; slot <= membercount; ++slot)
            if (s.occupied(slot)) random.give(2, 1000);
        if (!s.fullband()) return;
        random.give(100, 100);
        if (s.popularity > 500) random.give(10, 10);
    }
    // A plain member: fit, happy, middling at everything.
    void fill(int slot, const std::string& name) {
        auto& s = game.state;
        s.membername[slot] = name;
        s.membersex[slot] = "Male";
        s.happiness[slot] = 10;
        s.talent[slot] = s.songwriting[slot] = 2;
        s.charisma[slot] = s.attitude[slot] = s.looks[slot] = 5;
    }
    void fillband() {
        for (int slot = 1; slot <= membercount; ++slot)
            fill(slot, "Member " + std::to_string(slot));
    }

    ScriptedRandom random;
    ScriptedDialogs dialogs;
    RecordingNavigator navigator;
    Game game{random, dialogs, navigator};
};

} // namespace quorvane::testing
