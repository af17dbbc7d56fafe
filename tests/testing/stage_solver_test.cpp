#include "testing/stage_solver.h"
#include "tests/solver/random_position_values.h"

#include <glpk.h>
#include <gtest/gtest.h>

namespace quintel::solver {
namespace {

// The stage's value by an exact linear programme: the responder picks a chance of trust q per
// call to hold down what the best call of each type wins,
//   min sum_t p_t u_t  subject to  u_t >= a_tm + q_m (b_tm - a_tm),  0 <= q_m <= 1.
double linearProgrammeValue(const StageGame& game) {
    glp_prob* lp = glp_create_prob();
    glp_set_obj_dir(lp, GLP_MIN);
    const int types = game.typeCount();
    const int messages = game.messageCount();
    glp_add_cols(lp, types + messages);
    for (int t = 0; t < types; ++t) {
        glp_set_col_bnds(lp, t + 1, GLP_FR, 0, 0);
        glp_set_obj_coef(lp, t + 1, game.chance(t));
    }
    for (int m = 0; m < messages; ++m) {
        glp_set_col_bnds(lp, types + m + 1, GLP_DB, 0, 1);
    }
    glp_add_rows(lp, types * messages);
    for (int t = 0; t < types; ++t) {
        for (int m = 0; m < messages; ++m) {
            const int row = t * messages + m + 1;
            const double a = game.challengePayoff(t, m);
            glp_set_row_bnds(lp, row, GLP_LO, a, 0);
            const int columns[] = {0, t + 1, types + m + 1};
            const double factors[] = {0, 1, -(game.trustPayoff(t, m) - a)};
            glp_set_mat_row(lp, row, 2, columns, factors);
        }
    }
    glp_smcp settings;
    glp_init_smcp(&settings);
    settings.msg_lev = GLP_MSG_OFF;
    glp_simplex(lp, &settings);
    const double value = glp_get_obj_val(lp);
    glp_delete_prob(lp);
    return value;
}

using test_support::randomValues;

// Stages of a small variant under random values of the positions after them: the solver's
// check brackets the exact value within the tolerance.
TEST(StageSolver, MatchesAnExactLinearProgrammeOnSmallStages) {
    const GameTables tables({3, 3}, {.fixAny = true});
    const SolverSettings settings;
    for (unsigned seed = 1; seed <= 6; ++seed) {
        const std::vector<double> values = randomValues(tables, seed);
        for (const int kept :
             {tables.sets().empty(), tables.sets().indexOf(countFaceDigits("1"))}) {
            for (const int lastCall : {-1, 5, 12}) {
                const StageGame game(tables, lastCall, kept, values);
                StageSolver solver;
                const StageSolution solution = solver.solve(game, settings);
                const double exact = linearProgrammeValue(game);
                EXPECT_LE(solution.check.gap(), settings.tolerance);
                EXPECT_LE(solution.check.responderBest, exact + 1e-9);
                EXPECT_GE(solution.check.moverBest, exact - 1e-9);
                EXPECT_NEAR(solution.check.value(), exact, settings.tolerance);
            }
        }
    }
}

// One solver carried down the last calls, as the backward pass uses it, gives each stage's value.
TEST(StageSolver, CarriesItsAnswerFromOneLastCallToTheNext) {
    const GameTables tables({4, 3}, {});
    const std::vector<double> values = randomValues(tables, 7);
    StageSolver solver;
    for (int lastCall = tables.callCount() - 1; lastCall >= -1; --lastCall) {
        const StageGame game(tables, lastCall, tables.sets().empty(), values);
        const StageSolution solution = solver.solve(game, {});
        if (lastCall % 5 == 0) {
            EXPECT_NEAR(solution.check.value(), linearProgrammeValue(game), 1e-7)
                << "last call " << lastCall;
        }
    }
}

// Tolerances the iteration alone would take too long to reach: every stage, each solver carried
// down the last calls as in the backward pass, ends on a support solved exactly.
TEST(StageSolver, ReachesTightTolerancesOnReducedVariants) {
    const SolverSettings tight{.tolerance = 1e-11, .smallestChanceShare = 0.0};
    for (const RuleOptions options : {RuleOptions{}, RuleOptions{.fixAny = true}}) {
        const GameTables tables({3, 3}, options);
        for (unsigned seed = 1; seed <= 3; ++seed) {
            const std::vector<double> values = randomValues(tables, seed);
            for (const int kept :
                 {tables.sets().empty(), tables.sets().indexOf(countFaceDigits("2"))}) {
                StageSolver solver;
                for (int lastCall = tables.callCount() - 2; lastCall >= -1; --lastCall) {
                    const StageGame game(tables, lastCall, kept, values);
                    const StageSolution solution = solver.solve(game, tight);
                    EXPECT_LE(solution.check.gap(), tight.tolerance)
                        << "seed " << seed << " last call " << lastCall;
                    EXPECT_TRUE(solution.exact) << "seed " << seed << " last call " << lastCall;
                    if (lastCall % 4 == 0) {
                        EXPECT_NEAR(solution.check.value(), linearProgrammeValue(game), 1e-9);
                    }
                }
            }
        }
    }
}

// The iteration alone, the fallback when no support solves, still reaches ordinary tolerances.
TEST(StageSolver, IterationAloneReachesOrdinaryTolerances) {
    const GameTables tables({3, 3}, {});
    const SolverSettings iterationOnly{.tolerance = 1e-6, .exactSupport = false};
    const std::vector<double> values = randomValues(tables, 4);
    for (const int lastCall : {-1, 6}) {
        const StageGame game(tables, lastCall, tables.sets().empty(), values);
        StageSolver solver;
        const StageSolution solution = solver.solve(game, iterationOnly);
        EXPECT_FALSE(solution.exact);
        EXPECT_LE(solution.check.gap(), iterationOnly.tolerance);
        EXPECT_NEAR(solution.check.value(), linearProgrammeValue(game), iterationOnly.tolerance);
    }
}

} // namespace
} // namespace quintel::solver
