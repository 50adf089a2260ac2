// Modal message boxes and the text prompt, all titled with the game's name.
#pragma once

#include "ports/dialogs.h"

class QWidget;

namespace quorvane {

class QtNavigator;

class QtDialogs final : public Dialogs {
public:
    void message(std::string_view text, Icon icon) override;
    bool ask(std::string_view question) override;
    bool askcarefully(std::string_view question) override;
    std::string prompt(std::string_view prompt, std::string_view title,
                       std::string_view defaulttext) override;

    // The game's windows: each box first brings them up to date, so they show the state the
    // box talks about, and sits centred over the one in front.
    void attach(QtNavigator& windows) { windows_ = &windows; }

private:
    QWidget* beforeshow();
    bool yesorno(std::string_view question, bool careful);

    QtNavigator* windows_ = nullptr;
};

} // namespace quorvane
