#include "testing/whole_game_lp.h"

#include "testing/option_set_name.h"
#include "tests/testing/whole_game_checks.h"

#include <gtest/gtest.h>

#include <string>

namespace quintel::wholegame {
namespace {

class HandOverEveryOptionSet : public ::testing::TestWithParam<RuleOptions> {};
INSTANTIATE_TEST_SUITE_P(HandOver, HandOverEveryOptionSet, ::testing::ValuesIn(kOptionSets),
                         quintel::testing::optionSetName);

TEST_P(HandOverEveryOptionSet, OpeningAgreesWithTheWholeProgram) {
    for (const Variant variant : {Variant{2, 1}, Variant{3, 1}, Variant{4, 1}, Variant{2, 2}}) {
        HandOverSolver cut(variant, GetParam());
        EXPECT_NEAR(cut.openerValue(), openerValue(variant, GetParam()), kTolerance)
            << variant.faces << " faces, " << variant.dice << " dice";
    }
}

// Positions whose next owners face locks and hidden throws in turn.
TEST_P(HandOverEveryOptionSet, PositionsAgreeWithTheWholeProgram) {
    const Variant variant{2, 2};
    HandOverSolver cut(variant, GetParam());
    for (const Position& position : {Position{counts("2"), counts("12"), counts("2")},
                                     Position{counts("1"), counts("22"), counts("")},
                                     Position{counts("1"), counts("12"), counts("1")},
                                     Position{counts("12"), counts("11"), counts("11")}}) {
        EXPECT_NEAR(cut.moverValue(position), moverValue(variant, GetParam(), position),
                    kTolerance);
    }
}

// The bluff that one die of three faces allows after trusting 2 (worked out beside the whole
// program's tests) needs the cut game to keep the throw hidden as well.
TEST_P(HandOverEveryOptionSet, HiddenThrowsStayHiddenUpToTheHandOver) {
    HandOverSolver cut({3, 1}, GetParam());
    EXPECT_NEAR(cut.moverValue({counts("2"), counts("2"), {}}), 2.0 / 3, kTolerance);
    EXPECT_NEAR(cut.openerValue(), 13.0 / 18, kTolerance);
}

TEST_P(HandOverEveryOptionSet, OrderOfTheTreesDoesNotChangeTheValue) {
    for (const Variant variant : {Variant{3, 2}, Variant{2, 3}}) {
        const double natural = HandOverSolver(variant, GetParam()).openerValue();
        EXPECT_GT(natural, 0.0);
        EXPECT_LT(natural, 1.0);
        for (const unsigned seed : {5U, 6U}) {
            HandOverSolver shuffled(variant, GetParam(), Arithmetic::Floating, {seed});
            EXPECT_NEAR(shuffled.openerValue(), natural, kTolerance) << "seed " << seed;
        }
    }
}

// Without "Fix Permanent" the locked dice change nothing, and with it only those among the dice
// count: such positions are one game, solved once.
TEST(HandOverPositions, PositionsDifferingInIdleLocksAreSolvedOnce) {
    const Variant variant{2, 2};
    HandOverSolver free(variant, RuleOptions{false, false});
    const double unlocked = free.moverValue({counts("1"), counts("12"), {}});
    const std::size_t solved = free.positionsSolved();
    EXPECT_EQ(free.moverValue({counts("1"), counts("12"), counts("2")}), unlocked);
    EXPECT_EQ(free.positionsSolved(), solved);

    HandOverSolver permanent(variant, RuleOptions{false, true});
    const double lockedOne = permanent.moverValue({counts("1"), counts("12"), counts("1")});
    const std::size_t solvedPermanent = permanent.positionsSolved();
    EXPECT_EQ(permanent.moverValue({counts("1"), counts("12"), counts("11")}), lockedOne);
    EXPECT_EQ(permanent.positionsSolved(), solvedPermanent);
}

} // namespace
} // namespace quintel::wholegame
