// The real random source: a Mersenne Twister seeded once by the program's start-up.
#pragma once

#include "ports/random.h"

#include <cstdint>
#include <random>

namespace quorvane {

class MersenneRandom final : public Random {
public:
    explicit MersenneRandom(std::uint32_t seed) : engine_(seed) {}
    double uniform(int) override { return spread_(engine_); }

private:
    std::mt19937 engine_;
    std::uniform_real_distribution<double> spread_{0.0, 1.0};
};

} // namespace quorvane
