#include "solver/support_solve.h"
#include "testing/stage_solver.h"
#include "tests/solver/random_position_values.h"

#include <gtest/gtest.h>

#include <random>

namespace quintel::solver {
namespace {

std::vector<double> product(const std::vector<double>& a, const std::vector<double>& z, int rows) {
    const std::size_t columns = z.size();
    std::vector<double> b(static_cast<std::size_t>(rows), 0.0);
    for (std::size_t i = 0; i < b.size(); ++i) {
        for (std::size_t j = 0; j < columns; ++j) {
            b[i] += a[i * columns + j] * z[j];
        }
    }
    return b;
}

TEST(SolveLinear, SolvesSquareOverAndUnderdeterminedSystems) {
    std::mt19937 random(11);
    std::uniform_real_distribution<double> entry(-1, 1);
    for (const int size : {1, 4, 30}) {
        std::vector<double> a(static_cast<std::size_t>(size * size));
        std::vector<double> z(static_cast<std::size_t>(size));
        for (double& x : a) {
            x = entry(random);
        }
        for (double& x : z) {
            x = entry(random);
        }
        const auto solved =
            solveLinear(a, product(a, z, size), size, std::vector<double>(z.size(), 0.0));
        ASSERT_TRUE(solved) << size;
        for (std::size_t j = 0; j < z.size(); ++j) {
            EXPECT_NEAR((*solved)[j], z[j], 1e-10) << size;
        }
    }
    // x + y = 3, x - y = 1, 2x = 4: consistent although there are more rows than unknowns.
    const auto over = solveLinear({1, 1, 1, -1, 2, 0}, {3, 1, 4}, 3, {0, 0});
    ASSERT_TRUE(over);
    EXPECT_NEAR((*over)[0], 2, 1e-14);
    EXPECT_NEAR((*over)[1], 1, 1e-14);
    // Change the third row and they contradict each other.
    EXPECT_FALSE(solveLinear({1, 1, 1, -1, 2, 0}, {3, 1, 5}, 3, {0, 0}));
    // x + z = 1 leaves one of them free and y untouched: the free ones take the given values.
    const auto under = solveLinear({1, 0, 1}, {1}, 1, {0.75, 0.25, 0.25});
    ASSERT_TRUE(under);
    EXPECT_DOUBLE_EQ((*under)[1], 0.25);
    EXPECT_NEAR((*under)[0] + (*under)[2], 1, 1e-15);
    EXPECT_TRUE((*under)[0] == 0.75 || (*under)[2] == 0.25);
}

TEST(SupportOf, ReadsCallsAndTrustAboveTheZero) {
    StageStrategy strategy;
    strategy.typeStart = {0, 2, 3};
    strategy.calls = {{4, 0.999}, {7, 0.001}, {5, 1.0}};
    strategy.trust = {{4, 0.0005}, {5, 0.9999}, {7, 0.4}};
    StageSupport loose = supportOf(strategy, 1e-2);
    EXPECT_EQ(loose.callsOf, (std::vector<std::vector<int>>{{4}, {5}}));
    EXPECT_TRUE(loose.mixed.empty()); // call 7 is not made once its chance counts as zero
    EXPECT_EQ(loose.trusted, std::vector<int>{5});
    StageSupport fine = supportOf(strategy, 1e-4);
    EXPECT_EQ(fine.callsOf, (std::vector<std::vector<int>>{{4, 7}, {5}}));
    EXPECT_EQ(fine.mixed, (std::vector<int>{4, 7}));
    EXPECT_EQ(fine.trusted, std::vector<int>{5});
}

using test_support::randomValues;

// The support of the iteration's answer, solved exactly, is an equilibrium to rounding: far
// tighter than the iteration's own tolerance, and with the value the iteration brackets.
TEST(SolveOnSupport, TurnsTheIterationsSupportIntoAnExactEquilibrium) {
    const GameTables tables({3, 3}, {});
    const SolverSettings iterationOnly{
        .tolerance = 1e-8, .smallestChanceShare = 0.0, .exactSupport = false};
    int solved = 0;
    for (unsigned seed = 1; seed <= 5; ++seed) {
        const std::vector<double> values = randomValues(tables, seed);
        for (const int lastCall : {-1, 3, 9}) {
            const StageGame game(tables, lastCall, tables.sets().empty(), values);
            StageSolver solver;
            const StageSolution iterated = solver.solve(game, iterationOnly);
            ASSERT_LE(iterated.check.gap(), iterationOnly.tolerance);
            std::optional<StageStrategy> exact;
            for (const double zero : {1e-3, 1e-5}) {
                exact = solveOnSupport(game, supportOf(iterated.strategy, zero), iterated.strategy);
                if (exact && checkStage(game, *exact).gap() < 1e-12) {
                    break;
                }
            }
            ASSERT_TRUE(exact) << "seed " << seed << " last call " << lastCall;
            const StageCheck check = checkStage(game, *exact);
            EXPECT_LE(check.gap(), 1e-12) << "seed " << seed << " last call " << lastCall;
            EXPECT_GE(check.value(), iterated.check.responderBest - 1e-12);
            EXPECT_LE(check.value(), iterated.check.moverBest + 1e-12);
            for (int t = 0; t < game.typeCount(); ++t) {
                double total = 0;
                for (const MixedCall& call : exact->callsOf(t)) {
                    EXPECT_GT(call.chance, 0);
                    total += call.chance;
                }
                EXPECT_NEAR(total, 1, 1e-12);
            }
            ++solved;
        }
    }
    EXPECT_EQ(solved, 15);
}

TEST(SolveOnSupport, RefusesSupportsThatDoNotFitTheStage) {
    const GameTables tables({3, 2}, {});
    const std::vector<double> values = randomValues(tables, 2);
    const StageGame game(tables, 4, tables.sets().empty(), values);
    StageSupport support;
    support.callsOf.assign(static_cast<std::size_t>(game.typeCount()), {game.firstCall()});
    EXPECT_TRUE(solveOnSupport(game, support, {})); // everyone makes the weakest call, challenged
    support.callsOf[0] = {game.firstCall() - 1};    // a call that does not beat the last one
    EXPECT_FALSE(solveOnSupport(game, support, {}));
    support.callsOf[0] = {};
    EXPECT_FALSE(solveOnSupport(game, support, {}));
    support.callsOf.pop_back();
    EXPECT_FALSE(solveOnSupport(game, support, {}));
}

} // namespace
} // namespace quintel::solver
