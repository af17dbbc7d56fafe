#include "solver/lp_stage_solver.h"
#include "testing/stage_solver.h"
#include "tests/solver/random_position_values.h"

#include <gtest/gtest.h>

namespace quintel::solver {
namespace {

using test_support::randomValues;

// Two methods that share nothing but the stage's payoffs and the check: the programme's value
// and the regret iteration's agree, and the programme's answer is exact.
TEST(LpStageSolverLong, AgreesWithTheIterationOnStagesOfEveryKeptSize) {
    const GameTables tables({6, 3}, {.fixAny = true});
    const SolverSettings iteration{.tolerance = 1e-8};
    for (unsigned seed = 1; seed <= 2; ++seed) {
        const std::vector<double> values = randomValues(tables, seed);
        for (const char* keptDigits : {"", "1", "65"}) {
            const int kept = *keptDigits == 0 ? tables.sets().empty()
                                              : tables.sets().indexOf(countFaceDigits(keptDigits));
            for (const int lastCall : {-1, 20, 60}) {
                const StageGame game(tables, lastCall, kept, values);
                const StageSolution byProgramme = LpStageSolver().solve(game, {});
                const StageSolution byIteration = StageSolver().solve(game, iteration);
                EXPECT_LE(byProgramme.check.gap(), 1e-12) << keptDigits << " after " << lastCall;
                EXPECT_NEAR(byProgramme.check.value(), byIteration.check.value(), 1e-8)
                    << keptDigits << " after " << lastCall;
            }
        }
    }
}

// The largest stage of the real game: 252 throws of five dice, every call open. The programme's
// answer is a vertex, so few of the 116,172 (type, call) pairs carry any chance.
TEST(LpStageSolver, SolvesTheLargestStageExactlyWithFewCallsPerType) {
    const GameTables tables(kRealGame, {});
    const std::vector<double> values = randomValues(tables, 5);
    const StageGame game(tables, -1, tables.sets().empty(), values);
    const StageSolution solution = LpStageSolver().solve(game, {});
    EXPECT_LE(solution.check.gap(), 1e-12);
    EXPECT_LE(solution.strategy.calls.size(),
              static_cast<std::size_t>(game.typeCount() + game.messageCount()));
    EXPECT_EQ(solution.strategy.typeStart.size(), static_cast<std::size_t>(game.typeCount()) + 1);
}

// Carried down the last calls as the backward pass uses it, the solver gives what a fresh one
// gives each stage.
TEST(LpStageSolver, CarriedDownTheLastCallsItGivesWhatAFreshSolverGives) {
    const GameTables tables({4, 3}, {.fixPermanent = true});
    const std::vector<double> values = randomValues(tables, 9);
    const int kept = tables.sets().indexOf(countFaceDigits("3"));
    LpStageSolver carried;
    for (int lastCall = tables.callCount() - 1; lastCall >= -1; --lastCall) {
        const StageGame game(tables, lastCall, kept, values);
        const StageSolution fromAbove = carried.solve(game, {});
        const StageSolution fresh = LpStageSolver().solve(game, {});
        EXPECT_LE(fromAbove.check.gap(), 1e-12) << "last call " << lastCall;
        EXPECT_NEAR(fromAbove.check.value(), fresh.check.value(), 1e-12)
            << "last call " << lastCall;
    }
}

} // namespace
} // namespace quintel::solver
