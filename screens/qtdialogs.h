// Modal message boxes and the text prompt, all titled with the game's name.
#pragma once

#include "ports/dialogs.h"

#include <functional>

namespace quorvane {

class QtDialogs final : public Dialogs {
public:
    void message(std::string_view text, Icon icon) override;
    bool ask(std::string_view question) override;
    std::string prompt(std::string_view prompt, std::string_view title,
                       std::string_view defaulttext) override;

    // Runs before every box, so the screens behind it show the state the box talks about.
    void setbeforeshow(std::function<void()> hook) { beforeshow_ = std::move(hook); }

private:
    std::function<void()> beforeshow_;
};

} // namespace quorvane
