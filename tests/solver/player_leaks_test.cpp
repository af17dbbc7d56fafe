#include "solver/player_leaks.h"
#include "testing/scripted_observations.h"
#include "testing/solved_data.h"

#include <gtest/gtest.h>

namespace quintel::solver {
namespace {

// A player who trusts every call of the computer: its worst habits are trusts, of calls the
// equilibrium trusts less often, and they cost it; a player the computer has not seen has none.
TEST(PlayerLeaks, FindsThePlayersWorstHabitsWhereItWasSeen) {
    const auto game = std::make_shared<const SolvedGame>(SolvedGame::solve({3, 3}, {}));
    PlayerModel credulous(game);
    std::mt19937 random(8);
    for (int i = 0; i < 500; ++i) {
        credulous.add(testing::randomCallerGame(*game, 1.0, random));
    }
    const std::vector<Leak> leaks = worstLeaks(credulous);
    ASSERT_EQ(leaks.size(), 3U);
    bool trusted = false;
    for (std::size_t i = 0; i < leaks.size(); ++i) {
        EXPECT_GT(leaks[i].loss, 0);
        EXPECT_GT(leaks[i].seen, 0U);
        if (i > 0) {
            EXPECT_GE(leaks[i - 1].loss, leaks[i].loss);
        }
        if (leaks[i].kind == Leak::Kind::Trust) {
            trusted = true;
            EXPECT_GT(leaks[i].playerRate, 0.9);
            EXPECT_LT(leaks[i].bestRate, leaks[i].playerRate);
        }
    }
    EXPECT_TRUE(trusted);
    EXPECT_TRUE(worstLeaks(PlayerModel(game)).empty());
}

// The best response answering a player who plays the equilibrium wins what the second seat wins
// at equilibrium: the player gives nothing away.
TEST(PlayerLeaksLong, APlayerWhoPlaysTheEquilibriumGivesNothingAway) {
    const auto solved = testing::storedSolve({});
    if (!solved) {
        GTEST_SKIP() << "no stored solve of the options none in " QUINTEL_SOLVED_DATA;
    }
    const Exploitability found = exploitability(PlayerModel(solved));
    EXPECT_NEAR(found.equilibrium, 1 - solved->openValue(), 1e-15);
    EXPECT_NEAR(found.givenAway(), 0.0, 1e-9);
}

} // namespace
} // namespace quintel::solver
