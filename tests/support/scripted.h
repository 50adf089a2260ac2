// Scripted random numbers, dialogs and navigation, so tests can pin every draw and message.
#pragma once

#include "ports/dialogs.h"
#include "ports/navigator.h"
#include "ports/random.h"

#include <deque>
#include <initializer_list>
#include <string>
#include <vector>

namespace quorvane::testing {

// Hands out the queued values in order and throws when a draw was not expected.
class ScriptedRandom final : public Random {
public:
    double uniform() override;
    // Queues a value that makes draw(n) give k (1..n).
    void give(int k, int n);
    void queue(std::initializer_list<double> values) { values_.insert(values_.end(), values); }
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

// Records every message, question and prompt; answers from queues. A question or prompt
// with no queued answer is recorded in `unexpected` and answered No or cancelled.
class ScriptedDialogs final : public Dialogs {
public:
    void message(std::string_view text, Icon icon) override;
    bool ask(std::string_view question) override;
    std::string prompt(std::string_view prompt, std::string_view title,
                       std::string_view defaulttext) override;

    std::deque<bool> answers;
    std::deque<std::string> typed;
    std::vector<Shown> shown;
    std::vector<std::string> unexpected;

    std::vector<std::string> messages() const;
};

class RecordingNavigator final : public Navigator {
public:
    void showmain() override {
        record("showmain");
        mainshown = true;
    }
    void hidemain() override {
        record("hidemain");
        mainshown = false;
    }
    void showtitle() override {
        record("showtitle");
        titleshown = true;
    }
    void hidetitle() override {
        record("hidetitle");
        titleshown = false;
    }
    void showfileoptions() override {
        record("showfileoptions");
        fileoptionsshown = true;
    }
    void hidefileoptions() override {
        record("hidefileoptions");
        fileoptionsshown = false;
    }
    void closefileoptions() override {
        record("closefileoptions");
        fileoptionsshown = false;
    }
    void quit() override {
        record("quit");
        quitted = true;
    }

    std::vector<std::string> calls;
    bool mainshown = false;
    bool titleshown = false;
    bool quitted = false;
    bool fileoptionsshown = false;

private:
    void record(const char* call) { calls.emplace_back(call); }
};

} // namespace quorvane::testing
