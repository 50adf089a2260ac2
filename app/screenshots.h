// The pictures of the README, taken from the real screens without a display.
#pragma once

#include <QString>

namespace quorvane {

// Plays a game by the core's own operations, with a fixed chance and no message boxes, and
// draws each of the six screens to a PNG in `folder` on its way: title, main, fileoptions,
// gig, magazine and recorddeal. Returns false, having said why, when a screen did not come
// up as planned or a picture could not be written.
bool takescreenshots(const QString& folder);

} // namespace quorvane
