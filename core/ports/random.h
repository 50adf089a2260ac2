// The game's one source of chance: uniform doubles, drawn in a fixed order by the rules.
#pragma once

namespace quorvane {

class Random {
public:
    virtual ~Random() = default;
    // A uniform value in [0, 1[ that the caller scales by `range`, the N of its draw. A real
    // source ignores the range; a scripted one checks it, so a 1..4 draw is never a 1..5 one.
    virtual double uniform(int range) = 0;
};

// A whole number from 1 to n: the integer part of (uniform × n), plus 1.
int draw(Random& random, int n);

// A whole number from 0 to n − 1: the integer part of (uniform × n).
int below(Random& random, int n);

} // namespace quorvane
