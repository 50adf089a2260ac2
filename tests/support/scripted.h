// Scripted random numbers, dialogs and navigation, so tests can pin every draw and message.
#pragma once

#include "ports/dialogs.h"
#include "ports/navigator.h"
#include "ports/random.h"
#include "state/module1.h"

#include <deque>
#include <string>
#include <vector>

namespace quorvane::testing {

// Hands out the queued values in order. Throws when a draw was not expected, or when a value
// meant for a draw of 1..n is drawn for another range.
class ScriptedRandom final : public Random {
public:
    double uniform(int range) override;
    // Queues values that make draws of 1..n give k, in order.
    void give(std::initializer_list<std::pair<int, int>> draws);
    void give(int k, int n, int times = 1);
    std::size_t left() const { return values_.size(); }

private:
    std::deque<std::pair<double, int>> values_; // a value and the range it is meant for
};

struct Shown {
    enum Kind { message, question, careful, prompt } kind;
    std::string text;
    Icon icon = Icon::none;
    bool operator==(const Shown&) const = default;
};

// Records every box; answers from queues. A question or prompt with no queued answer is
// noted in `unexpected` and answered No or cancelled.
class ScriptedDialogs final : public Dialogs {
public:
    void message(std::string_view text, Icon icon) override;
    bool ask(std::string_view question) override { return answer(question, Shown::question); }
    bool askcarefully(std::string_view question) override {
        return answer(question, Shown::careful);
    }
    std::string prompt(std::string_view prompt, std::string_view title,
                       std::string_view defaulttext) override;
    std::vector<std::string> messages() const;

    std::deque<bool> answers;
    std::deque<std::string> typed;
    std::vector<Shown> shown;
    std::vector<std::string> unexpected;

private:
    bool answer(std::string_view question, Shown::Kind kind);
};

// Notes each screen change as "show main", "close fileoptions", "quit" and so on.
class RecordingNavigator final : public Navigator {
public:
    void show(Screen screen) override { note("show ", screen); }
    void hide(Screen screen) override { note("hide ", screen); }
    void close(Screen screen) override { note("close ", screen); }
    void quit() override { calls.emplace_back("quit"); }

    std::vector<std::string> calls;

private:
    void note(const char* change, Screen screen);
};

// Adds a text a box showed to the log the message check reads, when the tests keep one.
void logshown(std::string_view text);

// The band every test plays with: four fit, happy members called "Member 1" to "Member 4",
// middling at everything (so a gig draws nothing for them and none of them misbehaves), and
// `songs` tracks "Song 1", ... of quality 30, 35, 40, ...
void formband(Module1& state, int songs = 0);

} // namespace quorvane::testing
