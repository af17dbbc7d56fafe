#include "solver/data_file.h"
#include "solver/lp_stage_solver.h"
#include "testing/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <random>

namespace quintel::solver {
namespace {

// A position's value from the rules: the best of calling at once (the other seat sees the dice
// and answers with the better of challenge and trust) and of every allowed change.
double positionFromRules(const SolvedGame& game, int call, int holding) {
    const GameTables& tables = game.tables();
    const Holding held = tables.holding(holding);
    double best = 0;
    for (int next = call + 1; next < tables.callCount(); ++next) {
        const double trusted = 1 - *game.positionValue(next, held.hand, held.locked);
        best = std::max(best, std::min(tables.covers(held.hand, next) ? 1.0 : 0.0, trusted));
    }
    for (const int kept : tables.allowedKeeps(call, holding)) {
        best = std::max(best, *game.stageValue(call, kept));
    }
    return best;
}

// Every stored stage value is the value of its one-shot game under the stored positions after
// it: its strategies leave neither side more than the tolerance, and the value lies between
// both sides' best replies.
void expectStagesSolved(const SolvedGame& game, double tolerance, std::size_t sample,
                        unsigned seed) {
    std::vector<std::pair<int, int>> stages = game.stages();
    std::mt19937 random(seed);
    std::shuffle(stages.begin(), stages.end(), random);
    stages.resize(std::min(sample, stages.size()));
    for (const auto& [lastCall, kept] : stages) {
        const StageGame stage(game.tables(), lastCall, kept, game.positionValues());
        const StageCheck check = checkStage(stage, *game.stageStrategy(lastCall, kept));
        const double value = *game.stageValue(lastCall, kept);
        EXPECT_LE(check.gap(), tolerance) << "stage " << lastCall << " " << kept;
        EXPECT_NEAR(LpStageSolver().solve(stage, {}).check.value(), value, tolerance)
            << "stage " << lastCall << " " << kept << " solved again";
        EXPECT_GE(value, check.responderBest - 1e-12);
        EXPECT_LE(value, check.moverBest + 1e-12);
        for (int t = 0; t < stage.typeCount(); ++t) {
            double total = 0;
            for (const MixedCall& made : game.stageStrategy(lastCall, kept)->callsOf(t)) {
                EXPECT_GT(made.call, lastCall);
                total += made.chance;
            }
            // At the strongest call there is nothing left to call.
            EXPECT_NEAR(total, stage.messageCount() > 0 ? 1.0 : 0.0, 1e-12);
        }
    }
}

class SolvedVariant : public ::testing::TestWithParam<RuleOptions> {};

TEST_P(SolvedVariant, StagesAndPositionsFollowTheRules) {
    const SolvedGame game = SolvedGame::solve({3, 3}, GetParam());
    expectStagesSolved(game, SolverSettings{}.tolerance, 10000, 1);
    const GameTables& tables = game.tables();
    for (int call = 0; call < tables.callCount(); ++call) {
        for (int holding = 0; holding < tables.holdingCount(); ++holding) {
            const Holding held = tables.holding(holding);
            EXPECT_DOUBLE_EQ(*game.positionValue(call, held.hand, held.locked),
                             positionFromRules(game, call, holding));
        }
    }
    EXPECT_GT(game.openValue(), 0.0);
    EXPECT_LT(game.openValue(), 1.0);
}

TEST_P(SolvedVariant, TheDataFileKeepsEveryValueAndStrategy) {
    const SolvedGame game = SolvedGame::solve({3, 3}, GetParam());
    const TempFolder folder;
    const auto path = folder.path() / dataFileName(GetParam());
    ASSERT_FALSE(writeDataFile(path, game, 1e-7, "quintel-solve --options test"));
    const LoadedGame loaded = readDataFile(path);
    ASSERT_TRUE(loaded.game) << loaded.error;
    EXPECT_EQ(loaded.header.command, "quintel-solve --options test");
    EXPECT_EQ(loaded.header.variant, (Variant{3, 3}));
    EXPECT_EQ(loaded.game->options(), GetParam());
    EXPECT_EQ(loaded.game->positionValues(), game.positionValues());
    EXPECT_EQ(loaded.game->stages(), game.stages());
    // The file stores chances only where they are not implied; the game must have such chances
    // for the round trip to show anything.
    bool mixedType = false;
    bool mixedTrust = false;
    for (const auto& [lastCall, kept] : game.stages()) {
        EXPECT_EQ(*loaded.game->stageValue(lastCall, kept), *game.stageValue(lastCall, kept));
        const StageStrategy& strategy = *game.stageStrategy(lastCall, kept);
        EXPECT_EQ(*loaded.game->stageStrategy(lastCall, kept), strategy);
        for (std::size_t t = 0; t + 1 < strategy.typeStart.size(); ++t) {
            mixedType = mixedType || strategy.typeStart[t + 1] - strategy.typeStart[t] > 1;
        }
        for (const MixedCall& trust : strategy.trust) {
            mixedTrust = mixedTrust || (trust.chance > 0 && trust.chance < 1);
        }
    }
    EXPECT_TRUE(mixedType);
    EXPECT_TRUE(mixedTrust);
}

// A whole reduced game to a tolerance near rounding, which the regret iteration alone never
// reached.
TEST(SolvedGame, SolvesAWholeReducedGameNearRounding) {
    const SolvedGame game = SolvedGame::solve({3, 3}, {}, {.tolerance = 1e-12});
    EXPECT_LE(game.largestGap(), 1e-12);
    EXPECT_GT(game.openValue(), 0.5); // the opener's calls carry the first information
}

// A stage no position leads to (without "Fix Any" a seat keeps only dice of the call it trusted)
// is solved when first asked, from the stored positions, and kept; a stored one is not solved.
TEST(SolvedGame, SolvesAStageTheSolveDidNotReachWhenAsked) {
    const SolvedGame game = SolvedGame::solve({3, 3}, {});
    const GameTables& tables = game.tables();
    const int call = tables.callOfSet(tables.sets().indexOf(countFaceDigits("22")));
    const int kept = tables.sets().indexOf(countFaceDigits("3"));
    ASSERT_FALSE(game.stageValue(call, kept));
    const auto stored = game.anyStage(call, tables.sets().empty());
    ASSERT_TRUE(stored && stored->stored);
    EXPECT_EQ(stored->strategy, game.stageStrategy(call, tables.sets().empty()));
    EXPECT_EQ(game.stagesSolvedOnDemand(), 0U);

    const auto solved = game.anyStage(call, kept);
    ASSERT_TRUE(solved);
    EXPECT_FALSE(solved->stored);
    const StageGame stage(tables, call, kept, game.positionValues());
    const StageCheck check = checkStage(stage, *solved->strategy);
    EXPECT_LE(check.gap(), 1e-12);
    EXPECT_NEAR(solved->value, check.value(), 1e-12);
    EXPECT_EQ(game.anyStage(call, kept)->strategy, solved->strategy);
    EXPECT_EQ(game.stagesSolvedOnDemand(), 1U);
    EXPECT_FALSE(game.anyStage(tables.callCount(), kept));
    EXPECT_FALSE(game.anyStage(call, tables.sets().count()));
}

TEST(SolvedGame, RefusesPartsThatDoNotFitTogether) {
    const SolvedGame game = SolvedGame::solve({3, 2}, {});
    ASSERT_TRUE(SolvedGame::fromParts(game.parts()));
    SolvedGame::Parts moreCalls = game.parts();
    ++moreCalls.strategies.callCounts.front();
    EXPECT_FALSE(SolvedGame::fromParts(moreCalls));
    SolvedGame::Parts noSuchCall = game.parts();
    noSuchCall.strategies.calls.back() = static_cast<std::uint16_t>(game.tables().callCount());
    EXPECT_FALSE(SolvedGame::fromParts(noSuchCall));
    SolvedGame::Parts fewerStages = game.parts();
    fewerStages.stages.pop_back();
    fewerStages.stageValues.pop_back();
    EXPECT_FALSE(SolvedGame::fromParts(fewerStages));
    // A stage listed twice, or two stages swapped, would pair stages with other stages' strategies.
    SolvedGame::Parts stageTwice = game.parts();
    stageTwice.stages[1] = stageTwice.stages[0];
    EXPECT_FALSE(SolvedGame::fromParts(stageTwice));
    SolvedGame::Parts swapped = game.parts();
    std::swap(swapped.stages[0], swapped.stages[1]);
    std::swap(swapped.stageValues[0], swapped.stageValues[1]);
    EXPECT_FALSE(SolvedGame::fromParts(swapped));
}

INSTANTIATE_TEST_SUITE_P(EveryOptionSet, SolvedVariant,
                         ::testing::Values(RuleOptions{}, RuleOptions{.fixAny = true},
                                           RuleOptions{.fixPermanent = true},
                                           RuleOptions{.fixAny = true, .fixPermanent = true}));

TEST(DataFile, RefusesADamagedFile) {
    const SolvedGame game = SolvedGame::solve({3, 2}, {});
    const TempFolder folder;
    const auto path = folder.path() / "none.qsolved";
    ASSERT_FALSE(writeDataFile(path, game, 1e-7, "test"));
    std::string bytes;
    {
        std::ifstream in(path, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    bytes[bytes.size() - 3] = static_cast<char>(bytes[bytes.size() - 3] ^ 0x55);
    std::ofstream(path, std::ios::binary) << bytes;
    const LoadedGame damaged = readDataFile(path);
    EXPECT_FALSE(damaged.game);
    EXPECT_NE(damaged.error.find(path.string()), std::string::npos);
    std::ofstream(path, std::ios::binary) << "quintel-solved 1 faces=3\n";
    EXPECT_FALSE(readDataFile(path).game);
    EXPECT_FALSE(readDataFile(folder.path() / "missing.qsolved").game);
}

// The stored solves of the real game, where there are any: a sample of their stages recomputed
// from the file.
TEST(DataFile, StoredSolvesHoldTheirStages) {
    for (const RuleOptions options :
         {RuleOptions{}, RuleOptions{.fixAny = true}, RuleOptions{.fixPermanent = true},
          RuleOptions{.fixAny = true, .fixPermanent = true}}) {
        const auto path = std::filesystem::path(QUINTEL_SOLVED_DATA) / dataFileName(options);
        if (!std::filesystem::exists(path)) {
            continue;
        }
        const LoadedGame loaded = readDataFile(path);
        ASSERT_TRUE(loaded.game) << loaded.error;
        expectStagesSolved(*loaded.game, loaded.header.tolerance, 40, 11);
    }
}

} // namespace
} // namespace quintel::solver
