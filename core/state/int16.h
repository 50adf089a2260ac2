// The game's numbers are 16-bit; sums are made wide and stored saturated, so they never wrap.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

namespace quorvane {

using int16 = std::int16_t;

constexpr int16 sat16(long long value) {
    constexpr long long low = std::numeric_limits<int16>::min();
    constexpr long long high = std::numeric_limits<int16>::max();
    return static_cast<int16>(std::clamp(value, low, high));
}

// field += delta, saturated at the 16-bit bounds.
constexpr void add16(int16& field, long long delta) {
    field = sat16(field + delta);
}

// A quotient rounded down, towards minus infinity (C++ division rounds towards zero):
// floordiv(-500, 1000) is -1. The divisor must not be 0.
constexpr long long floordiv(long long dividend, long long divisor) {
    const long long quotient = dividend / divisor;
    const bool inexact = quotient * divisor != dividend;
    return inexact && ((dividend < 0) != (divisor < 0)) ? quotient - 1 : quotient;
}

} // namespace quorvane
