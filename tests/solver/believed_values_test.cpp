#include "solver/believed_values.h"
#include "testing/solved_data.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace quintel::solver {
namespace {

// Against a player believed to play the equilibrium, the best the computer can do from any
// position is what the solved game says, whichever seat holds the dice: the equilibrium holds in
// every position.
TEST(BelievedValuesLong, OfAPlayerWhoPlaysTheEquilibriumAreTheSolvedValues) {
    const auto solved = testing::storedSolve({});
    if (!solved) {
        GTEST_SKIP() << "no stored solve of the options none in " QUINTEL_SOLVED_DATA;
    }
    const BelievedValues believed = believedValues(PlayerModel(solved));
    const std::vector<double>& values = solved->positionValues();
    ASSERT_EQ(believed.computerMoving.size(), values.size());
    ASSERT_EQ(believed.playerMoving.size(), values.size());
    double largest = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        largest = std::max({largest, std::abs(believed.computerMoving[i] - values[i]),
                            std::abs(believed.playerMoving[i] - values[i])});
    }
    EXPECT_LT(largest, 1e-9);
}

} // namespace
} // namespace quintel::solver
