#include "opponent/expert_model.h"

#include "solver/best_response.h"
#include "solver/response_positions.h"
#include "testing/solved_data.h"

#include <gtest/gtest.h>

namespace quintel {
namespace {

// The best player against the Expert wins at least the game's value (it may play the equilibrium
// itself) and, the Expert playing the equilibrium of the very game the table runs, no more. Under
// "Fix Permanent" that holds only while a call at once leaves the locked dice as they were, as the
// solve assumes.
TEST(ExpertModelLong, TheBestPlayerGainsNothingOverTheGamesValue) {
    int optionSets = 0;
    for (const RuleOptions options : {RuleOptions{}, RuleOptions{false, true}}) {
        const auto solved = testing::storedSolve(options);
        if (!solved) {
            continue;
        }
        ++optionSets;
        const ExpertPolicy policy(solved);
        const ExpertModel expert(policy);
        const solver::BestResponse best(expert, options);
        ASSERT_TRUE(best.byStage());
        EXPECT_NEAR(best.value(), solved->openValue(), 1e-9)
            << "Fix Permanent " << options.fixPermanent;
        // Every stage the rules reach is stored: the best player made the Expert solve none.
        EXPECT_EQ(solved->stagesSolvedOnDemand(), 0U);
    }
    if (optionSets == 0) {
        GTEST_SKIP() << "no stored solve in " QUINTEL_SOLVED_DATA;
    }
}

TEST(ExpertModel, AnswersAsItsSeatDoes) {
    const auto solved = testing::storedSolve({});
    if (!solved) {
        GTEST_SKIP() << "no stored solve of the options none in " QUINTEL_SOLVED_DATA;
    }
    const ExpertPolicy policy(solved);
    const ExpertModel expert(policy);
    const FaceCounts dice = countFaceDigits("66543");
    const int hand = policy.setOf(dice);
    const int none = policy.setOf(FaceCounts{});
    const auto opening = policy.stageTrust(-1, none);
    const std::vector<double> trust = expert.stageTrust(-1, FaceCounts{});
    for (solver::CallIndex call = 0; call < solver::callCount(); ++call) {
        const int mine = policy.callOf(solver::callCounts(call));
        EXPECT_EQ(trust[static_cast<std::size_t>(call)],
                  opening->trust[static_cast<std::size_t>(mine)]);
        EXPECT_EQ(expert.trustAtOnce(call, dice), policy.atOnceTrust(mine, hand));
        const auto plan = policy.plan(mine, hand, none);
        const auto keep = expert.keepsFrom(call, dice, FaceCounts{});
        ASSERT_EQ(keep.has_value(), plan && !plan->atOnce) << call;
        if (keep) {
            EXPECT_EQ(*keep, policy.counts(plan->kept));
            // Each throw's calls are the strategy's, and beat the trusted call.
            const auto calls = expert.calls(call, *keep, dice);
            double total = 0;
            for (const solver::CallChance& made : calls) {
                EXPECT_GT(made.call, call);
                total += made.chance;
            }
            EXPECT_NEAR(total, 1.0, 1e-9);
        } else if (plan) {
            EXPECT_EQ(policy.callOf(solver::callCounts(expert.callAtOnce(call, dice, {}))),
                      plan->call);
        }
    }
}

} // namespace
} // namespace quintel
