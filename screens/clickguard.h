// One click acts once. The second click of a double-click on a button, or on a box's OK that
// lands on the screen beneath once the box has gone, must not run an action again: a press
// on a game window within the double-click interval of the click that last made the game act
// is dropped, with its release.
#pragma once

#include <QObject>

#include <optional>

namespace quorvane {

class ClickGuard final : public QObject {
public:
    // Watches the mouse in every window of the application, while it lives.
    ClickGuard();
    ~ClickGuard() override;
    ClickGuard(const ClickGuard&) = delete;
    ClickGuard& operator=(const ClickGuard&) = delete;

    // The click just made, or the box just answered, made the game act.
    static void acted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static ClickGuard* watching_;
    // Times as the window system stamps its mouse events, in milliseconds.
    quint64 lastrelease_ = 0;
    std::optional<quint64> actedat_;
    bool dropping_ = false;
};

} // namespace quorvane
