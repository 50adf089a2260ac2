// The game's one source of chance: uniform doubles, drawn in a fixed order by the rules.
#pragma once

#include <cstdint>

namespace quorvane {

class Random {
public:
    virtual ~Random() = default;
    // A uniform value in [0, 1[.
    virtual double uniform() = 0;
};

// A whole number from 1 to n: the integer part of (uniform × n), plus 1.
int draw(Random& random, int n);

// A whole number from 0 to n − 1: the integer part of (uniform × n).
int below(Random& random, int n);

} // namespace quorvane
