// Whole-number draws built on the uniform source.
#include "ports/random.h"

#include <cmath>

namespace quorvane {

int below(Random& random, int n) {
    return static_cast<int>(std::floor(random.uniform() * n));
}

int draw(Random& random, int n) {
    return below(random, n) + 1;
}

} // namespace quorvane
