#pragma once

#include <cstdint>
#include <random>

namespace quintel {

// The game's one source of chance. Seeded once; tests and tools pass a fixed seed so that the same
// seed plays the same games.
class RandomSource {
public:
    explicit RandomSource(std::uint64_t seed) : engine_(seed) {}
    static RandomSource fromEntropy();

    // Uniform in [0, 1).
    double next();
    // A die: the whole part of 6r + 1.
    int die();

private:
    std::mt19937_64 engine_;
};

} // namespace quintel
