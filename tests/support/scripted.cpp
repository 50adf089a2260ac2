// The scripted stand-ins.
#include "support/scripted.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace quorvane::testing {

namespace {

// Every text a box shows goes to the log the message check reads, when the tests keep one.
void logshown(std::string_view text) {
    static const char* const log = std::getenv("QUORVANE_SHOWN_LOG");
    if (log) std::ofstream(log, std::ios::app) << text << '\n';
}

} // namespace

double ScriptedRandom::uniform(int range) {
    const std::string draw = "a draw of 1.." + std::to_string(range);
    if (values_.empty()) throw std::logic_error("unscripted: " + draw);
    const Scripted next = values_.front();
    if (next.range != range)
        throw std::logic_error("a value scripted for 1.." + std::to_string(next.range) +
                               " was taken by " + draw);
    values_.pop_front();
    return next.value;
}

void ScriptedRandom::give(int k, int n, int times) {
    // The middle of the k-th of n equal bands, clear of rounding at its edges. A draw scaled by
    // 0 or less (a skill of 0, say) gives the same whatever the value.
    for (int i = 0; i < times; ++i)
        values_.push_back({n > 0 ? (k - 0.5) / n : 0.5, n});
}

void ScriptedDialogs::message(std::string_view text, Icon icon) {
    logshown(text);
    shown.push_back({Shown::message, std::string(text), icon});
}

bool ScriptedDialogs::ask(std::string_view question) {
    logshown(question);
    shown.push_back({Shown::question, std::string(question)});
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

} // namespace quorvane::testing
