// A new game wired to scripted stand-ins, with the draws of the commonest steps.
#pragma once

#include "support/rules.h"

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
    Module1& band(int songs = 0) {
        formband(game.state, songs);
        return game.state;
    }
    // The text of the last box shown.
    std::string last() const { return dialogs.shown.empty() ? "" : dialogs.shown.back().text; }

    ScriptedRandom random;
    ScriptedDialogs dialogs;
    QuietNavigator navigator;
    Game game{random, dialogs, navigator};
};

} // namespace quorvane::testing
