// The window icon's pixels, built into the program from packaging/icons/quorvane-64.png.
#pragma once

namespace quorvane::windowicon {

// The icon is square: size by size pixels.
extern const int size;
// Row by row from the top left, each premultiplied 0xAARRGGBB.
extern const unsigned int pixels[];

} // namespace quorvane::windowicon
