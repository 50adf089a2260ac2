// Scripted random numbers, dialogs and navigation, so tests can pin every draw and message.
#pragma once

#include "ports/dialogs.h"
#include "ports/navigator.h"
#include "ports/random.h"

#include <deque>
#include <string>
#include <vector>

namespace quorvane::testing {

// Hands out the queued values in order and throws when a draw was not expected.
class ScriptedRandom final : public Random {
public:
    double uniform() override;
    // Queues a value that makes draw(n) give k (1..n), `times` times over.
    void give(int k, int n, int times = 1);
    std::size_t left() const { return values_.size(); }

private:
    std::deque<double> values_;
};

struct Shown {
    enum Kind { message, question, prompt } kind;
    std::string text;
    Icon icon = Icon::none;
    bool operator==(const Shown&) const = default;
};

// Records every box; answers from queues. A question or prompt with no queued answer is
// noted in `unexpected` and answered No or cancelled.
class ScriptedDialogs final : public Dialogs {
public:
    void message(std::string_view text, Icon icon) override;
    bool ask(std::string_view question) override;
    std::string prompt(std::string_view prompt, std::string_view title,
                       std::string_view defaulttext) override;
    std::vector<std::string> messages() const;

    std::deque<bool> answers;
    std::deque<std::string> typed;
    std::vector<Shown> shown;
    std::vector<std::string> unexpected;
};

class RecordingNavigator final : public Navigator {
public:
    void showmain() override { calls.emplace_back("showmain"); }
    void hidemain() override { calls.emplace_back("hidemain"); }
    void showtitle() override { calls.emplace_back("showtitle"); }
    void hidetitle() override { calls.emplace_back("hidetitle"); }
    void showfileoptions() override { calls.emplace_back("showfileoptions"); }
    void hidefileoptions() override { calls.emplace_back("hidefileoptions"); }
    void closefileoptions() override { calls.emplace_back("closefileoptions"); }
    void quit() override { calls.emplace_back("quit"); }

    std::vector<std::string> calls;
};

} // namespace quorvane::testing
