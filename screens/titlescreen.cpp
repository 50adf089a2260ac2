// The title screen's layout and the calls behind its buttons.
#include "titlescreen.h"

#include "hiddenspot.h"
#include "persist/fileoptions.h"
#include "state/startup.h"
#include "theme.h"
#include "widgets.h"

#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorvane {

namespace {

QPushButton* bigbutton(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(name);
    button->setMinimumHeight(44);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

} // namespace

TitleScreen::TitleScreen(Game& game, std::function<void()> refresh)
    : GameWindow(game, std::move(refresh)) {
    setObjectName("Form1");
    setAccessibleName("Title screen");
    setStyleSheet(theme::titlescreen());

    auto* title = new QLabel("QUORVANE", this);
    title->setObjectName("Label2");
    title->setAlignment(Qt::AlignCenter);
    title->setFont(widgets::designfont(title->font(), 34, QFont::Black));

    auto* beta = new QLabel("BETA", this);
    beta->setObjectName("Label1");
    beta->setAlignment(Qt::AlignCenter);

    // Made in this order so NEW GAME takes the keyboard focus first, and Tab finds the
    // invisible spot last, after EXIT; a ring shows it while it has the focus.
    auto* newgame = bigbutton(this, "New", "NEW GAME");
    auto* load = bigbutton(this, "load", "LOAD GAME");
    auto* exit = bigbutton(this, "Label4", "EXIT");
    auto* secret = new HiddenSpot(this);
    secret->setObjectName("secret");
    secret->setFixedSize(40, 40);
    secret->setAccessibleName("Secret");
    secret->setFocusPolicy(Qt::TabFocus);

    auto* layout = new QVBoxLayout(page());
    layout->setContentsMargins(48, 12, 48, 36);
    layout->addWidget(secret, 0, Qt::AlignLeft);
    layout->addWidget(title);
    layout->addWidget(beta);
    layout->addStretch(1);
    layout->addWidget(newgame);
    layout->addWidget(load);
    layout->addWidget(exit);

    wire(newgame, startnewgame);
    wire(load, [](Game& game) {
        openfileoptions(game, FileMode::load, QDir::currentPath().toStdString());
    });
    wire(exit, exitgame);
    connect(secret, &HiddenSpot::activated, this, [this] { run(secretjoke); });
    fitcontent(QSize(420, 460));
}

void TitleScreen::closeEvent(QCloseEvent* event) {
    event->accept();
    run(exitgame);
}

} // namespace quorvane
