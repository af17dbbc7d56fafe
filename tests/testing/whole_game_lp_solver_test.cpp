// The larger cross-checks of the whole-game program: minutes rather than seconds.
#include "testing/option_set_name.h"
#include "testing/whole_game_lp.h"

#include <gtest/gtest.h>

#include <string>

namespace quintel::wholegame {
namespace {

constexpr double kTolerance = 1e-9;

class EveryOptionSet : public ::testing::TestWithParam<RuleOptions> {};
INSTANTIATE_TEST_SUITE_P(WholeGame, EveryOptionSet, ::testing::ValuesIn(kOptionSets),
                         quintel::testing::optionSetName);

// Every multiset of `least`..`most` dice over the variant's faces.
std::vector<Counts> multisets(const Variant& variant, int least, int most) {
    std::vector<Counts> found;
    for (int size = least; size <= most; ++size) {
        for (const ThrowOutcome& outcome : throwOutcomes({variant.faces, size}, Counts{})) {
            found.push_back(outcome.dice);
        }
    }
    return found;
}

TEST_P(EveryOptionSet, EveryPositionOfTwoDiceOfTwoFacesAgreesWithTheCutGame) {
    const Variant variant{2, 2};
    const std::vector<Counts> calls = callsWeakestFirst(variant);
    HandOverSolver cut(variant, GetParam());
    int positions = 0;
    for (std::size_t last = 0; last + 1 < calls.size(); ++last) {
        for (const Counts& dice : multisets(variant, variant.dice, variant.dice)) {
            for (const Counts& locked : multisets(variant, 0, variant.dice)) {
                const Position position{calls[last], dice, locked};
                const GameSolution whole = solvePosition(variant, GetParam(), position);
                EXPECT_NEAR(whole.guaranteed, whole.value, kTolerance);
                EXPECT_NEAR(whole.conceded, whole.value, kTolerance);
                EXPECT_NEAR(cut.moverValue(position), whole.value, kTolerance);
                ++positions;
            }
        }
    }
    EXPECT_EQ(positions, 4 * 3 * 6);
}

TEST_P(EveryOptionSet, TwoDiceOfTwoFacesInShuffledOrders) {
    const Variant variant{2, 2};
    const GameSolution natural = solveOpening(variant, GetParam());
    for (const unsigned seed : {1U, 2U}) {
        const GameSolution shuffled =
            solveOpening(variant, GetParam(), {Arithmetic::Floating, {seed}});
        EXPECT_NEAR(shuffled.value, natural.value, kTolerance);
        EXPECT_EQ(shuffled.size.sequences, natural.size.sequences);
    }
}

TEST_P(EveryOptionSet, ExactArithmeticConfirmsTheFloatingValue) {
    const Variant variant{2, 2};
    EXPECT_NEAR(solveOpening(variant, GetParam(), {Arithmetic::Exact, {}}).value,
                openerValue(variant, GetParam()), kTolerance);
}

// One die of five faces: 18,000 to 29,000 rows. Six faces (half a million rows, a minute each)
// are left to the benchmark.
TEST_P(EveryOptionSet, OneDieOfFiveFacesAgreesWithTheCutGame) {
    for (const Variant variant : {Variant{5, 1}}) {
        const GameSolution whole = solveOpening(variant, GetParam());
        EXPECT_NEAR(whole.guaranteed, whole.value, kTolerance);
        EXPECT_NEAR(whole.conceded, whole.value, kTolerance);
        EXPECT_NEAR(HandOverSolver(variant, GetParam()).openerValue(), whole.value, kTolerance);
    }
}

} // namespace
} // namespace quintel::wholegame
