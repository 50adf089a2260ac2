// The look of the screens, kept apart from their layout: one sheet for what every window
// shares (buttons, lists, focus, message boxes), and one per screen for its own colours.
#pragma once

#include <QString>

namespace quorvane::theme {

// The point size the screens were drawn at; every size of text is scaled from it to the
// player's application font, so text follows the desktop's font size.
constexpr double designpoints = 9;
// `points` of the design at the player's font size.
double scaled(double points);

QString application();
QString titlescreen();
QString mainscreen();
QString fileoptions();
QString gig();
QString magazine();
QString recorddeal();

} // namespace quorvane::theme
