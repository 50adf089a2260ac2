// The look of the screens, kept apart from their layout: one sheet for what every window
// shares (buttons, lists, focus, message boxes), and one per screen for its own colours.
#pragma once

#include <QString>

namespace quorvane::theme {

QString application();
QString titlescreen();
QString mainscreen();
QString fileoptions();
QString gig();
QString magazine();
QString recorddeal();

} // namespace quorvane::theme
