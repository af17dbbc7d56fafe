#pragma once

#include "solver/positions.h"

#include <random>
#include <vector>

namespace quintel::solver::test_support {

// Values of every position drawn at random from a seed, holding-major as the stage games read
// them: stages can be solved and checked without solving the game above them first.
inline std::vector<double> randomValues(const GameTables& tables, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> chance(0, 1);
    std::vector<double> values(static_cast<std::size_t>(tables.holdingCount()) *
                               static_cast<std::size_t>(tables.callCount()));
    for (double& value : values) {
        value = chance(random);
    }
    return values;
}

} // namespace quintel::solver::test_support
