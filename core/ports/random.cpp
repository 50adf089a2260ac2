// Whole-number draws built on the uniform source.
#include "ports/random.h"

#include <cmath>

namespace quorvane {

int below(Random& random, int n) {
    // Floor, not truncation: the integer part of a negative product rounds down.
    return static_cast<int>(std::floor(random.uniform(n) * n));
}

int draw(Random& random, int n) {
    return below(random, n) + 1;
}

} // namespace quorvane
