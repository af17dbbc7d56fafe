#include "solver/lp_stage_solver.h"
#include "solver/safe_response.h"
#include "tests/solver/random_position_values.h"

#include <glpk.h>
#include <gtest/gtest.h>

#include <random>

namespace quintel::solver {
namespace {

using test_support::randomValues;

double payoff(const StageGame& game, int t, int m, double trust) {
    const double a = game.challengePayoff(t, m);
    return a + trust * (game.trustPayoff(t, m) - a);
}

// A belief about the mover that is not the equilibrium: every type calls at random, bluffs as
// often as not.
std::vector<double> randomWeights(const StageGame& game, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> draw(0, 1);
    std::vector<double> weights(static_cast<std::size_t>(game.typeCount() * game.messageCount()));
    double total = 0;
    for (double& weight : weights) {
        weight = draw(random);
        total += weight;
    }
    for (double& weight : weights) {
        weight /= total;
    }
    return weights;
}

double believedPayoff(const StageGame& game, const std::vector<double>& weights,
                      const std::vector<double>& trust) {
    double total = 0;
    for (int t = 0; t < game.typeCount(); ++t) {
        for (int m = 0; m < game.messageCount(); ++m) {
            total += weights[static_cast<std::size_t>(t * game.messageCount() + m)] *
                     payoff(game, t, m, trust[static_cast<std::size_t>(m)]);
        }
    }
    return total;
}

// The responder's programme with every row from the start, in the test's own words, each chance
// of trust within [low, high] (within [0, 1] when not given).
double denseSafeTrustOptimum(const StageGame& game, const std::vector<double>& weights,
                             double ceiling, const std::vector<double>& low = {},
                             const std::vector<double>& high = {}) {
    const int types = game.typeCount();
    const int messages = game.messageCount();
    glp_prob* lp = glp_create_prob();
    glp_set_obj_dir(lp, GLP_MIN);
    glp_add_cols(lp, types + messages);
    for (int t = 0; t < types; ++t) {
        glp_set_col_bnds(lp, t + 1, GLP_FR, 0, 0);
    }
    double constant = 0;
    for (int m = 0; m < messages; ++m) {
        double coefficient = 0;
        for (int t = 0; t < types; ++t) {
            const double w = weights[static_cast<std::size_t>(t * messages + m)];
            coefficient += w * (game.trustPayoff(t, m) - game.challengePayoff(t, m));
            constant += w * game.challengePayoff(t, m);
        }
        const auto at = static_cast<std::size_t>(m);
        const double from = low.empty() ? 0.0 : low[at];
        const double to = high.empty() ? 1.0 : high[at];
        glp_set_col_bnds(lp, types + m + 1, from < to ? GLP_DB : GLP_FX, from, to);
        glp_set_obj_coef(lp, types + m + 1, coefficient);
    }
    glp_add_rows(lp, types * messages + 1);
    std::vector<int> columns{0};
    std::vector<double> chances{0};
    for (int t = 0; t < types; ++t) {
        columns.push_back(t + 1);
        chances.push_back(game.chance(t));
        for (int m = 0; m < messages; ++m) {
            const int row = t * messages + m + 1;
            glp_set_row_bnds(lp, row, GLP_LO, game.challengePayoff(t, m), 0);
            const int entries[] = {0, t + 1, types + m + 1};
            const double factors[] = {0, 1, -(game.trustPayoff(t, m) - game.challengePayoff(t, m))};
            glp_set_mat_row(lp, row, 2, entries, factors);
        }
    }
    glp_set_row_bnds(lp, types * messages + 1, GLP_UP, 0, ceiling);
    glp_set_mat_row(lp, types * messages + 1, types, columns.data(), chances.data());
    glp_smcp settings;
    glp_init_smcp(&settings);
    settings.msg_lev = GLP_MSG_OFF;
    glp_simplex(lp, &settings);
    const double optimum = glp_get_obj_val(lp) + constant;
    glp_delete_prob(lp);
    return optimum;
}

// The chances of trust between the equilibrium's answer the belief picks and the best reply to
// the belief.
struct Box {
    std::vector<double> low;
    std::vector<double> high;
};
Box boxTowardsBest(const StageGame& game, const std::vector<double>& belief,
                   const StageStrategy& equilibrium) {
    std::vector<double> gain(static_cast<std::size_t>(game.messageCount()), 0.0);
    for (int t = 0; t < game.typeCount(); ++t) {
        for (int m = 0; m < game.messageCount(); ++m) {
            gain[static_cast<std::size_t>(m)] +=
                belief[static_cast<std::size_t>(t * game.messageCount() + m)] *
                (game.trustPayoff(t, m) - game.challengePayoff(t, m));
        }
    }
    const std::vector<double> start = fullTrust(game, equilibrium, gain);
    Box box{start, start};
    for (std::size_t m = 0; m < gain.size(); ++m) {
        (gain[m] > 0 ? box.low[m] : box.high[m]) = gain[m] > 0 ? 0.0 : gain[m] < 0 ? 1.0 : start[m];
    }
    return box;
}

// The responder risks no more than it is allowed and uses what it is allowed: at no risk it is an
// equilibrium answer that does at least as well against the belief as the Expert's own, the more
// it may risk the better it does, never better than the whole programme written out allows, and
// with the whole game to risk it answers each call as the belief says.
TEST(SafeTrust, RisksItsAllowanceForABetterAnswerToTheBelief) {
    const GameTables tables({3, 3}, {.fixAny = true});
    for (unsigned seed = 1; seed <= 3; ++seed) {
        const std::vector<double> values = randomValues(tables, seed);
        for (const int lastCall : {-1, 5}) {
            const StageGame game(tables, lastCall, tables.sets().empty(), values);
            const StageSolution solved = LpStageSolver().solve(game, {});
            const double value = solved.check.value();
            const std::vector<double> belief = randomWeights(game, seed);
            double last = believedPayoff(game, belief, fullTrust(game, solved.strategy));
            const Box towardsBest = boxTowardsBest(game, belief, solved.strategy);
            for (const double allowance : {0.0, 0.01, 0.05}) {
                const std::vector<double> trust =
                    safeTrust(game, belief, solved.strategy, value, allowance);
                const double risk = moverBestReply(game, trust) - value;
                EXPECT_LE(risk, allowance + 1e-11) << "allowance " << allowance;
                EXPECT_GE(risk, allowance - 1e-6) << "allowance " << allowance;
                const double harm = believedPayoff(game, belief, trust);
                EXPECT_LE(harm, last + 1e-12) << "allowance " << allowance;
                EXPECT_GE(harm, denseSafeTrustOptimum(game, belief, value + allowance) - 1e-9)
                    << "seed " << seed << " last call " << lastCall << " allowance " << allowance;
                // Between the equilibrium's answer and the believed best reply it finds the
                // best there is.
                EXPECT_NEAR(harm,
                            denseSafeTrustOptimum(game, belief, value + allowance, towardsBest.low,
                                                  towardsBest.high),
                            1e-8)
                    << "seed " << seed << " last call " << lastCall << " allowance " << allowance;
                last = harm;
            }
            const std::vector<double> free = safeTrust(game, belief, solved.strategy, value, 1.0);
            for (int m = 0; m < game.messageCount(); ++m) {
                double gain = 0;
                for (int t = 0; t < game.typeCount(); ++t) {
                    gain += belief[static_cast<std::size_t>(t * game.messageCount() + m)] *
                            (game.trustPayoff(t, m) - game.challengePayoff(t, m));
                }
                if (gain != 0) {
                    EXPECT_EQ(free[static_cast<std::size_t>(m)], gain > 0 ? 0.0 : 1.0);
                }
            }
        }
    }
}

double callsPayoff(const StageGame& game, const StageStrategy& strategy,
                   const std::vector<double>& trust) {
    double total = 0;
    for (int t = 0; t < game.typeCount(); ++t) {
        for (const MixedCall& call : strategy.callsOf(t)) {
            const int m = call.call - game.firstCall();
            total += game.chance(t) * call.chance * payoff(game, t, m, trust[std::size_t(m)]);
        }
    }
    return total;
}

// The mover's side against a responder who trusts at random: its allowance used, never more.
TEST(SafeCalls, RisksItsAllowanceForABetterAnswerToTheBelief) {
    const GameTables tables({3, 3}, {});
    std::mt19937 random(3);
    std::uniform_real_distribution<double> draw(0, 1);
    for (unsigned seed = 1; seed <= 3; ++seed) {
        const std::vector<double> values = randomValues(tables, seed);
        for (const int lastCall : {-1, 4}) {
            const StageGame game(tables, lastCall, tables.sets().empty(), values);
            const StageSolution solved = LpStageSolver().solve(game, {});
            const double value = solved.check.value();
            std::vector<double> belief(static_cast<std::size_t>(game.messageCount()));
            for (double& trust : belief) {
                trust = draw(random);
            }
            double last = callsPayoff(game, solved.strategy, belief);
            for (const double allowance : {0.0, 0.01, 0.05, 1.0}) {
                const StageStrategy calls =
                    safeCalls(game, belief, solved.strategy, value, allowance);
                const double risk = value - responderBestReply(game, calls);
                EXPECT_LE(risk, allowance + 1e-9) << "allowance " << allowance;
                if (allowance < 1) {
                    EXPECT_GE(risk, allowance - 1e-6) << "allowance " << allowance;
                }
                const double gain = callsPayoff(game, calls, belief);
                EXPECT_GE(gain, last - 1e-12) << "allowance " << allowance;
                last = gain;
                for (int t = 0; t < game.typeCount(); ++t) {
                    double total = 0;
                    for (const MixedCall& call : calls.callsOf(t)) {
                        EXPECT_GT(call.call, lastCall);
                        total += call.chance;
                    }
                    EXPECT_NEAR(total, 1.0, 1e-12);
                }
            }
            // With the whole game to risk, every type makes its best call against the belief.
            double best = 0;
            for (int t = 0; t < game.typeCount(); ++t) {
                double most = 0;
                for (int m = 0; m < game.messageCount(); ++m) {
                    most = std::max(most, payoff(game, t, m, belief[std::size_t(m)]));
                }
                best += game.chance(t) * most;
            }
            EXPECT_NEAR(last, best, 1e-9) << "seed " << seed << " last call " << lastCall;
        }
    }
}

} // namespace
} // namespace quintel::solver
