// Games made by the real rules: the running game the fuzzer loads over, and the seed files.
#pragma once

#include "ports/mersennerandom.h"
#include "roster/applicants.h"
#include "songs/songwriting.h"
#include "state/game.h"
#include "state/startup.h"
#include "turn/nextweek.h"
#include "turn/promotion.h"

#include <string>
#include <vector>

namespace quorvane::fuzz {

// Says Yes to every question, names the band, and keeps the messages.
class EagerDialogs final : public Dialogs {
public:
    void message(std::string_view text, Icon) override { messages.emplace_back(text); }
    bool ask(std::string_view) override { return true; }
    std::string prompt(std::string_view, std::string_view, std::string_view) override {
        return "The Fuzz";
    }

    std::vector<std::string> messages;
};

class NoScreens final : public Navigator {
public:
    void show(Screen) override {}
    void hide(Screen) override {}
    void close(Screen) override {}
    void quit() override {}
};

// A game and its stand-ins, started and named like the player would.
struct Session {
    Session() {
        startup(game);
        startnewgame(game);
    }
    // Hires every applicant, keeps a song going and has the band practise, week by week.
    void play(int weeks) {
        choosepromotion(game, 0);
        for (int week = 0; week < weeks; ++week) {
            while (game.controls.hire)
                hireapplicant(game);
            writesong(game);
            nextweek(game);
        }
    }

    MersenneRandom random{20010901};
    EagerDialogs dialogs;
    NoScreens navigator;
    Game game{random, dialogs, navigator};
};

} // namespace quorvane::fuzz
