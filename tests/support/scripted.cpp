// The scripted stand-ins.
#include "support/scripted.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace quorvane::testing {

void logshown(std::string_view text) {
    static const char* const log = std::getenv("QUORVANE_SHOWN_LOG");
    if (log) std::ofstream(log, std::ios::app) << text << '\n';
}

double ScriptedRandom::uniform(int range) {
    const std::string draw = "a draw of 1.." + std::to_string(range);
    if (values_.empty()) throw std::logic_error("unscripted: " + draw);
    const auto [value, meant] = values_.front();
    if (meant != range)
        throw std::logic_error("a value for 1.." + std::to_string(meant) + " taken by " + draw);
    values_.pop_front();
    return value;
}

void ScriptedRandom::give(std::initializer_list<std::pair<int, int>> draws) {
    for (auto [k, n] : draws)
        give(k, n);
}

void ScriptedRandom::give(int k, int n, int times) {
    // The middle of the k-th of n equal bands, clear of rounding at its edges. A draw scaled by
    // 0 or less (a skill of 0, say) gives the same whatever the value.
    for (int i = 0; i < times; ++i)
        values_.emplace_back(n > 0 ? (k - 0.5) / n : 0.5, n);
}

void ScriptedDialogs::message(std::string_view text, Icon icon) {
    logshown(text);
    shown.push_back({Shown::message, std::string(text), icon});
}

bool ScriptedDialogs::answer(std::string_view question, Shown::Kind kind) {
    logshown(question);
    shown.push_back({kind, std::string(question)});
    if (answers.empty()) {
        unexpected.emplace_back(question);
        return false;
    }
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

std::string ScriptedDialogs::prompt(std::string_view prompt, std::string_view title,
                                    std::string_view) {
    logshown(prompt);
    shown.push_back({Shown::prompt, std::string(prompt) + " | " + std::string(title)});
    if (typed.empty()) {
        unexpected.emplace_back(prompt);
        return "";
    }
    std::string answer = typed.front();
    typed.pop_front();
    return answer;
}

std::vector<std::string> ScriptedDialogs::messages() const {
    std::vector<std::string> texts;
    for (const auto& s : shown)
        if (s.kind == Shown::message) texts.push_back(s.text);
    return texts;
}

void RecordingNavigator::note(const char* change, Screen screen) {
    static const char* const names[] = {"main", "title",    "fileoptions",
                                        "gig",  "magazine", "recorddeal"};
    calls.push_back(change + std::string(names[static_cast<int>(screen)]));
}

void formband(Module1& s, int songs) {
    for (int slot = 1; slot <= membercount; ++slot) {
        s.membername[slot] = "Member " + std::to_string(slot);
        s.membersex[slot] = "Male";
        s.memberage[slot] = 20;
        s.happiness[slot] = 10;
        s.discord[slot] = s.illweeks[slot] = 0;
        s.talent[slot] = s.charisma[slot] = s.attitude[slot] = s.looks[slot] = 5;
        s.songwriting[slot] = 2;
    }
    for (int slot = 1; slot <= songs; ++slot) {
        s.songname[slot] = "Song " + std::to_string(slot);
        s.songquality[slot] = static_cast<int16>(25 + 5 * slot);
    }
    s.songcount = s.lastsong = static_cast<int16>(songs);
}

} // namespace quorvane::testing
