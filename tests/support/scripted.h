// Scripted random numbers, dialogs and navigation, so tests can pin every draw and message.
#pragma once

#include "ports/dialogs.h"
#include "ports/navigator.h"
#include "ports/random.h"
#include "state/module1.h"

#include <cstdlib>
#include <deque>
#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace quorvane::testing {

// Values as a test writes them down: numbers in decimal, joined by blanks.
template <typename... Values> std::string str(const Values&... values) {
    std::ostringstream out;
    ((out << values << ' '), ...);
    return out.str().substr(0, out.str().size() - (sizeof...(values) > 0));
}

// Hands out the queued values in order. Throws when a draw was not expected, or when a value
// meant for a draw of 1..n is drawn for another range.
class ScriptedRandom final : public Random {
public:
    double uniform(int range) override {
        const int meant = values_.empty() ? 0 : values_.front().second;
        if (meant != range)
            throw std::logic_error(str("a draw of 1 ..", range, "took a value for 1 ..", meant));
        const double value = values_.front().first;
        values_.pop_front();
        return value;
    }
    // Queues values that make draws of 1..n give k, in order: the middle of the k-th of n
    // equal bands, clear of rounding at its edges. A draw scaled by 0 or less (a skill of 0,
    // say) gives the same whatever the value.
    void give(int k, int n, int times = 1) {
        for (int i = 0; i < times; ++i)
            values_.emplace_back(n > 0 ? (k - 0.5) / n : 0.5, n);
    }
    void give(std::initializer_list<std::pair<int, int>> draws) {
        for (auto [k, n] : draws)
            give(k, n);
    }
    std::size_t left() const { return values_.size(); }

private:
    std::deque<std::pair<double, int>> values_; // a value and the range it is meant for
};

// Adds a text a box showed to the log the message check reads, once, when the tests keep one.
inline void logshown(std::string_view text) {
    static const char* const log = std::getenv("QUORVANE_SHOWN_LOG");
    static std::set<std::string, std::less<>> logged;
    if (log && logged.emplace(text).second) std::ofstream(log, std::ios::app) << text << '\n';
}

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
    void message(std::string_view text, Icon icon) override {
        logshown(text);
        shown.push_back({Shown::message, std::string(text), icon});
    }
    bool ask(std::string_view text) override { return next(answers, text, Shown::question); }
    bool askcarefully(std::string_view text) override {
        return next(answers, text, Shown::careful);
    }
    std::string prompt(std::string_view text, std::string_view title, std::string_view) override {
        return next(typed, text, Shown::prompt, " | " + std::string(title));
    }
    std::vector<std::string> messages() const {
        std::vector<std::string> texts;
        for (const auto& s : shown)
            if (s.kind == Shown::message) texts.push_back(s.text);
        return texts;
    }

    std::deque<bool> answers;
    std::deque<std::string> typed;
    std::vector<Shown> shown;
    std::vector<std::string> unexpected;

private:
    template <typename T>
    T next(std::deque<T>& queue, std::string_view asked, Shown::Kind kind, std::string after = "") {
        logshown(asked);
        shown.push_back({kind, std::string(asked) + after});
        if (queue.empty()) {
            unexpected.emplace_back(asked);
            return T{};
        }
        const T answer = queue.front();
        queue.pop_front();
        return answer;
    }
};

// Screens are counted by the game itself; the tests look there.
struct QuietNavigator final : Navigator {
    void show(Screen) override {}
    void hide(Screen) override {}
    void close(Screen) override {}
    void quit() override {}
};

// The band every test plays with: four fit, happy members called "Member 1" to "Member 4",
// middling at everything (so a gig draws nothing for them and none of them misbehaves), and
// `songs` tracks "Song 1", ... of quality 30, 35, 40, ...
inline void formband(Module1& s, int songs = 0) {
    for (int slot = 1; slot <= membercount; ++slot) {
        s.membername[slot] = "Member " + std::to_string(slot);
        s.membersex[slot] = "Male";
        s.memberage[slot] = 20;
        s.happiness[slot] = 10;
        s.songwriting[slot] = 2;
        s.discord[slot] = 0;
        s.illweeks[slot] = 0;
        s.talent[slot] = 5;
        s.charisma[slot] = 5;
        s.attitude[slot] = 5;
        s.looks[slot] = 5;
    }
    for (int slot = 1; slot <= songs; ++slot) {
        s.songname[slot] = "Song " + std::to_string(slot);
        s.songquality[slot] = static_cast<int16>(25 + 5 * slot);
    }
    s.songcount = s.lastsong = static_cast<int16>(songs);
}

} // namespace quorvane::testing
