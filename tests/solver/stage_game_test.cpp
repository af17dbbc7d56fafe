#include "solver/lp_stage_solver.h"
#include "solver/stage_game.h"
#include "tests/solver/random_position_values.h"

#include <gtest/gtest.h>

namespace quintel::solver {
namespace {

using test_support::randomValues;

TEST(StageGame, ChecksWhatAStrategyLeavesToEachSide) {
    const GameTables tables({3, 2}, {});
    const std::vector<double> values = randomValues(tables, 3);
    const StageGame game(tables, -1, tables.sets().empty(), values);
    // Every type calls the strongest call, which no one can beat: it is always challenged and
    // only the type that holds it wins.
    StageStrategy strongest;
    for (int t = 0; t <= game.typeCount(); ++t) {
        strongest.typeStart.push_back(t);
    }
    const int top = tables.callCount() - 1;
    strongest.calls.assign(static_cast<std::size_t>(game.typeCount()), {top, 1.0});
    strongest.trust = {{top, 0.0}};
    const StageCheck check = checkStage(game, strongest);
    EXPECT_DOUBLE_EQ(check.responderBest, 1.0 / 9); // a pair of aces: 1 throw in 9
    EXPECT_GE(check.moverBest, LpStageSolver().solve(game, {}).check.value() - 1e-12);
    EXPECT_GT(check.gap(), 0.1);
}

} // namespace
} // namespace quintel::solver
