#include "opponent/expert_policy.h"

#include "solver/stage_game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace quintel {
namespace {

using solver::MixedCall;
using solver::SolvedGame;

TEST(ExpertSampling, EachCallTakesAStretchAsLongAsItsChance) {
    const std::vector<MixedCall> calls{{4, 0.25}, {7, 0.5}, {9, 0.25}};
    EXPECT_EQ(ExpertPolicy::sampleCall(calls, 0.0), 4);
    EXPECT_EQ(ExpertPolicy::sampleCall(calls, 0.2499), 4);
    EXPECT_EQ(ExpertPolicy::sampleCall(calls, 0.25), 7);
    EXPECT_EQ(ExpertPolicy::sampleCall(calls, 0.7499), 7);
    EXPECT_EQ(ExpertPolicy::sampleCall(calls, 0.75), 9);
    // Chances that add up to a little under 1 leave the rest to the last call.
    const std::vector<MixedCall> short_{{4, 0.5}, {7, 0.4999999}};
    EXPECT_EQ(ExpertPolicy::sampleCall(short_, 0.9999999999), 7);
    EXPECT_EQ(ExpertPolicy::sampleCall({}, 0.5), -1);
}

class ExpertPolicyOnAVariant : public ::testing::TestWithParam<RuleOptions> {
protected:
    ExpertPolicy policy{std::make_shared<const SolvedGame>(SolvedGame::solve({3, 3}, GetParam()))};
};

TEST_P(ExpertPolicyOnAVariant, TrustsMadeCallsWithTheStoredChanceAndNoCallBelowTheLast) {
    const SolvedGame& game = policy.game();
    for (const auto& [lastCall, kept] : game.stages()) {
        const auto found = policy.stageTrust(lastCall, kept);
        ASSERT_TRUE(found);
        EXPECT_EQ(found->value, *game.stageValue(lastCall, kept));
        const solver::StageGame stage(game.tables(), lastCall, kept, game.positionValues());
        const std::vector<double> full =
            solver::fullTrust(stage, *game.stageStrategy(lastCall, kept));
        for (int call = 0; call < game.tables().callCount(); ++call) {
            const double chance = found->trust[static_cast<std::size_t>(call)];
            // Trusting the strongest call would leave nothing to call: it is never trusted.
            if (call <= lastCall || call + 1 == game.tables().callCount()) {
                EXPECT_EQ(chance, 0.0);
            } else {
                EXPECT_EQ(chance, full[static_cast<std::size_t>(call - stage.firstCall())]);
                EXPECT_GE(chance, 0.0);
                EXPECT_LE(chance, 1.0);
            }
        }
        for (const MixedCall& made : game.stageStrategy(lastCall, kept)->trust) {
            if (made.call + 1 == game.tables().callCount()) {
                continue;
            }
            EXPECT_EQ(found->trust[static_cast<std::size_t>(made.call)], made.chance);
        }
    }
    EXPECT_FALSE(policy.stageTrust(game.tables().callCount(), 0));
}

TEST_P(ExpertPolicyOnAVariant, FindsEachThrowsCallsAndEachPositionsChoice) {
    const SolvedGame& game = policy.game();
    const solver::GameTables& tables = game.tables();
    for (const auto& [lastCall, kept] : game.stages()) {
        const solver::StageGame stage(tables, lastCall, kept, game.positionValues());
        for (int type = 0; type < stage.typeCount(); ++type) {
            const auto calls = policy.callsOf(lastCall, kept, stage.thrown(type));
            const auto stored = game.stageStrategy(lastCall, kept)->callsOf(type);
            ASSERT_EQ(calls.size(), stored.size());
            EXPECT_TRUE(std::equal(calls.begin(), calls.end(), stored.begin()));
        }
    }
    for (int holding = 0; holding < tables.holdingCount(); ++holding) {
        const solver::Holding held = tables.holding(holding);
        for (int call = 0; call < tables.callCount(); ++call) {
            const auto plan = policy.plan(call, held.hand, held.locked);
            const auto choice = *game.positionChoice(call, held.hand, held.locked);
            if (choice == SolvedGame::kNoMove) {
                EXPECT_FALSE(plan);
                continue;
            }
            ASSERT_TRUE(plan);
            EXPECT_EQ(plan->value, *game.positionValue(call, held.hand, held.locked));
            if (plan->atOnce) {
                EXPECT_GT(plan->call, call);
                EXPECT_TRUE(tables.covers(held.hand, plan->call) || plan->value == 0.0);
            } else {
                const auto allowed = tables.allowedKeeps(call, holding);
                EXPECT_NE(std::ranges::find(allowed, plan->kept), allowed.end());
            }
        }
    }
}

TEST_P(ExpertPolicyOnAVariant, NumbersCallsAsTheSolvedGameDoes) {
    const solver::GameTables& tables = policy.tables();
    for (int call = 0; call < tables.callCount(); ++call) {
        EXPECT_EQ(policy.callOf(policy.callCounts(call)), call);
    }
    EXPECT_EQ(policy.callOf(FaceCounts{}), -1);
}

INSTANTIATE_TEST_SUITE_P(AllOptions, ExpertPolicyOnAVariant, ::testing::ValuesIn(kOptionSets));

} // namespace
} // namespace quintel
