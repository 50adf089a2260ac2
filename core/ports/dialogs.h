// Modal messages, Yes/No questions and the one-line prompt, as the rules ask for them.
#pragma once

#include <string>
#include <string_view>

namespace quorvane {

enum class Icon { none, stop, warning };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A message with an OK button.
    virtual void message(std::string_view text, Icon icon = Icon::none) = 0;
    // A Yes/No question; true means Yes.
    virtual bool ask(std::string_view question) = 0;
    // A question whose Yes the player may regret (quitting, sacking, working a tired band),
    // so a box answers No to a hasty Enter or Escape. Otherwise asked like any question.
    virtual bool askcarefully(std::string_view question) { return ask(question); }
    // A one-line text prompt; cancelling it gives the empty text.
    virtual std::string prompt(std::string_view prompt, std::string_view title,
                               std::string_view defaulttext) = 0;
};

} // namespace quorvane
