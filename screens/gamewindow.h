// A window of the game: it shows what the core holds and forwards clicks to the core.
#pragma once

#include "clickguard.h"
#include "state/game.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLayout>
#include <QWidget>

#include <algorithm>
#include <functional>

namespace quorvane {

class GameWindow : public QWidget {
public:
    // `refresh` re-syncs every visible screen; each click ends with it.
    GameWindow(Game& game, std::function<void()> refresh)
        : game_(game), refresh_(std::move(refresh)) {
        setWindowTitle("Quorvane");
        setAttribute(Qt::WA_StyledBackground);
    }

    // Copies the core's texts and flags into the widgets; it only reads.
    virtual void sync() = 0;

protected:
    // Runs one core operation behind a click, then shows its result on every screen.
    template <typename Operation> void run(Operation operation) {
        operation(game_);
        refresh_();
    }
    template <typename Operation> void wire(QAbstractButton* button, Operation operation) {
        connect(button, &QAbstractButton::clicked, this, [this, operation] {
            run(operation);
            ClickGuard::acted();
        });
    }

    // Fixes the window at the size its content takes at the player's font, never smaller
    // than it was drawn at.
    void fitcontent(QSize drawn) {
        ensurePolished(); // the sheets' sizes of text count
        setFixedSize(sizeHint().expandedTo(drawn));
        fitlines(height());
    }
    // Wrapped text takes the lines it needs at the window's width, as when it changes.
    void fitlines(int drawnheight) {
        if (!layout()->hasHeightForWidth()) return;
        setFixedHeight(std::max(drawnheight, layout()->totalHeightForWidth(width())));
    }

    // Escape presses this button, the screen's way back.
    void escapeclicks(QAbstractButton* button) { escape_ = button; }

    // Enter presses the button that has the focus, on every screen alike. A key the focused
    // control has no use for arrives here.
    void keyPressEvent(QKeyEvent* event) override {
        auto* focused = qobject_cast<QAbstractButton*>(focusWidget());
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && focused) {
            focused->click();
        } else if (event->key() == Qt::Key_Escape && escape_ && escape_->isEnabled()) {
            escape_->click();
        } else {
            QWidget::keyPressEvent(event);
        }
    }

    Game& game_;

private:
    std::function<void()> refresh_;
    QAbstractButton* escape_ = nullptr;
};

} // namespace quorvane
