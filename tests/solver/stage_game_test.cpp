#include "solver/lp_stage_solver.h"
#include "solver/stage_game.h"
#include "tests/solver/random_position_values.h"

#include <gtest/gtest.h>

#include <algorithm>

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

// What each type wins at best with the calls a strategy makes, and the most any type gains over
// that by making message m instead when it is trusted with chance q.
struct Deviation {
    const StageGame& game;
    std::vector<double> best;

    Deviation(const StageGame& stage, const StageStrategy& strategy)
        : game(stage), best(static_cast<std::size_t>(stage.typeCount()), 0.0) {
        for (int t = 0; t < game.typeCount(); ++t) {
            for (const MixedCall& made : strategy.trust) {
                best[static_cast<std::size_t>(t)] =
                    std::max(best[static_cast<std::size_t>(t)],
                             payoff(t, made.call - game.firstCall(), made.chance));
            }
        }
    }
    double payoff(int t, int m, double q) const {
        const double a = game.challengePayoff(t, m);
        return a + q * (game.trustPayoff(t, m) - a);
    }
    double gain(int m, double q) const {
        double most = -1;
        for (int t = 0; t < game.typeCount(); ++t) {
            most = std::max(most, payoff(t, m, q) - best[static_cast<std::size_t>(t)]);
        }
        return most;
    }
};

// A call no type makes is trusted as much as deters every type from it: a little more and some
// type would gain by making it. A call no type can hold is never trusted.
TEST(StageGame, TrustsACallNoTypeMakesAsMuchAsTheEquilibriumAllows) {
    int raised = 0;
    int unholdable = 0;
    for (const RuleOptions options : {RuleOptions{}, RuleOptions{.fixAny = true}}) {
        const GameTables tables({3, 3}, options);
        const std::vector<double> values = randomValues(tables, 4);
        for (const char* keptDigits : {"", "2", "11"}) {
            const int kept = tables.sets().indexOf(countFaceDigits(keptDigits));
            for (const int lastCall : {-1, 4, 9}) {
                const StageGame game(tables, lastCall, kept, values);
                const StageStrategy strategy = LpStageSolver().solve(game, {}).strategy;
                const Deviation deviation(game, strategy);
                const std::vector<double> trust = fullTrust(game, strategy);
                for (int m = 0; m < game.messageCount(); ++m) {
                    const int call = game.firstCall() + m;
                    if (std::ranges::any_of(strategy.trust,
                                            [&](const MixedCall& c) { return c.call == call; })) {
                        continue;
                    }
                    const double q = trust[static_cast<std::size_t>(m)];
                    EXPECT_LE(deviation.gain(m, q), 1e-12) << "call " << call;
                    bool holdable = false;
                    for (int t = 0; t < game.typeCount(); ++t) {
                        holdable = holdable || game.challengePayoff(t, m) > 0;
                    }
                    if (!holdable) {
                        EXPECT_EQ(q, 0.0) << "call " << call; // every type would gain by trust
                        ++unholdable;
                    } else if (q < 1) {
                        EXPECT_GT(deviation.gain(m, q + 1e-6), 1e-9) << "call " << call;
                        ++raised;
                    }
                }
            }
        }
    }
    EXPECT_GT(raised, 20);
    EXPECT_GT(unholdable, 0);
}

} // namespace
} // namespace quintel::solver
