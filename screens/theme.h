// The look of the screens: one style sheet per screen, kept apart from their layout.
#pragma once

#include <QString>

namespace quorvane::theme {

QString titlescreen();
QString mainscreen();
QString fileoptions();

} // namespace quorvane::theme
