#include "testing/whole_game_lp.h"

#include "testing/option_set_name.h"
#include "tests/testing/whole_game_checks.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace quintel::wholegame {
namespace {

constexpr RuleOptions kNone{false, false};
constexpr RuleOptions kAny{true, false};
constexpr RuleOptions kPermanent{false, true};
constexpr RuleOptions kBoth{true, true};

Position position(std::string_view lastCall, std::string_view dice, std::string_view locked = "") {
    return {counts(lastCall), counts(dice), counts(locked)};
}

// Both plans the program found must prove the value: the opener's secures it, the other's
// allows no more.
void expectProvedValue(const GameSolution& solution, double expected) {
    EXPECT_NEAR(solution.value, expected, kTolerance);
    EXPECT_NEAR(solution.guaranteed, expected, kTolerance);
    EXPECT_NEAR(solution.conceded, expected, kTolerance);
}

class EveryOptionSet : public ::testing::TestWithParam<RuleOptions> {};
INSTANTIATE_TEST_SUITE_P(WholeGame, EveryOptionSet, ::testing::ValuesIn(kOptionSets),
                         quintel::testing::optionSetName);

// One die of faces 1 and 2. With a 1 the opener calls 1, which only a challenge can answer, and
// wins. With a 2 calling 1 loses; calling 2 is worth challenging only if it is a lie, so the other
// seat trusts, calls 1 at once with a 1 or throws the die for a half chance of it: the opener wins
// a half. 1/2 * 1 + 1/2 * 1/2.
TEST_P(EveryOptionSet, OneDieOfTwoFacesIsWorthThreeQuartersToTheOpener) {
    expectProvedValue(solveOpening({2, 1}, GetParam(), {Arithmetic::Exact, {}}), 0.75);
}

// The seat that trusted 2 must call 1, which is then challenged.
TEST_P(EveryOptionSet, AfterTrustingTwoOnlyADieShowingOneWins) {
    expectProvedValue(solvePosition({2, 1}, GetParam(), position("2", "1")), 1.0);
    expectProvedValue(solvePosition({2, 1}, GetParam(), position("2", "2")), 0.5);
}

// One die of faces 1 to 3, calls 2 < 3 < 1. After trusting 3 only 1 is left: the seat wins with
// a 1 at once, else by a throw with 1/3. After trusting 2 with a 2 showing, calling at once loses
// (3 would be challenged, 1 is false), so the seat throws blind to the other: a 1 calls 1, a 3
// calls 3, a 2 bluffs 3 half the time, and the other seat, between a challenge and trusting for
// 1/3, is left indifferent: 1/3 + 1/3 = 2/3. Were the throw seen, the bluff would always be
// challenged: 5/9. With a 3 showing, calling 3 at once is trusted (2/3); with both options the
// seat may keep the 3 instead, which locks it for the other seat, who then cannot make its 1.
TEST_P(EveryOptionSet, ThrowsHiddenFromTheOtherSeatAllowBluffs) {
    const Variant variant{3, 1};
    expectProvedValue(solvePosition(variant, GetParam(), position("3", "2")), 1.0 / 3);
    expectProvedValue(solvePosition(variant, GetParam(), position("3", "1")), 1.0);
    expectProvedValue(solvePosition(variant, GetParam(), position("2", "2")), 2.0 / 3);
    const bool keptDieLocks = GetParam().fixAny && GetParam().fixPermanent;
    expectProvedValue(solvePosition(variant, GetParam(), position("2", "3")),
                      keptDieLocks ? 1.0 : 2.0 / 3);
}

// Opening that variant: a 1 calls 1 and wins. A 3 calls 3; a 2 calls 2 (trusted, worth 1/3) or
// bluffs 3 half the time, and the other seat trusts 3 half the time, which leaves the 2
// indifferent and the 3 at 1/2 * 2/3 + 1/2 * 1 = 5/6. (1 + 5/6 + 1/3) / 3 = 13/18; an opener whose
// die the other seat saw would get only 2/3.
TEST_P(EveryOptionSet, OneDieOfThreeFacesIsWorthThirteenEighteenthsToTheOpener) {
    expectProvedValue(solveOpening({3, 1}, GetParam(), {Arithmetic::Exact, {}}), 13.0 / 18);
}

// One face: every throw holds every call of its size, so the opener calls all its dice and wins.
TEST_P(EveryOptionSet, ASingleFaceAlwaysWinsForTheOpener) {
    expectProvedValue(solveOpening({1, 1}, GetParam()), 1.0);
    expectProvedValue(solveOpening({1, 2}, GetParam()), 1.0);
}

TEST_P(EveryOptionSet, ValuesAreChancesProvedByBothPlans) {
    for (const Variant variant : {Variant{3, 1}, Variant{4, 1}, Variant{2, 2}}) {
        if (variant == Variant{2, 2} && GetParam().fixAny && !GetParam().fixPermanent) {
            continue; // the largest of these; the solver tests take it
        }
        const GameSolution solution = solveOpening(variant, GetParam());
        EXPECT_GE(solution.value, 0.0);
        EXPECT_LE(solution.value, 1.0);
        expectProvedValue(solution, solution.value);
    }
}

TEST_P(EveryOptionSet, NeitherTheOrderOfTheTreeNorItsNumberingChangesTheValue) {
    const Variant variant{3, 1};
    const GameSolution natural = solveOpening(variant, GetParam());
    for (const unsigned seed : {1U, 2U, 3U}) {
        const GameSolution shuffled =
            solveOpening(variant, GetParam(), {Arithmetic::Floating, {seed}});
        EXPECT_NEAR(shuffled.value, natural.value, kTolerance) << "seed " << seed;
        EXPECT_EQ(shuffled.size.sequences, natural.size.sequences);
        EXPECT_EQ(shuffled.size.lp.nonzeros, natural.size.lp.nonzeros);
    }
}

// Two dice of faces 1 and 2: after trusting 22 only 11 is left to call, and it will be challenged,
// so the seat that trusted wins exactly when it ends with two 1s.
TEST(WholeGameLastCallLeft, KeptDiceDecideTheChanceOfTheStrongestCall) {
    const Variant variant{2, 2};
    // Dice 1 2 do not hold 22: without "Fix Any" both dice are thrown.
    expectProvedValue(solvePosition(variant, kNone, position("22", "12")), 0.25);
    expectProvedValue(solvePosition(variant, kAny, position("22", "12")), 0.5);
    // A locked 1 must stay; a locked 2 spoils every chance.
    expectProvedValue(solvePosition(variant, kPermanent, position("22", "12", "1")), 0.5);
    expectProvedValue(solvePosition(variant, kPermanent, position("22", "12", "2")), 0.0);
    expectProvedValue(solvePosition(variant, kBoth, position("22", "12", "2")), 0.0);
    expectProvedValue(solvePosition(variant, kPermanent, position("22", "12")), 0.25);
    for (const RuleOptions options : kOptionSets) {
        expectProvedValue(solvePosition(variant, options, position("22", "11", "1")), 1.0);
        expectProvedValue(solvePosition(variant, options, position("22", "22", "2")),
                          options.fixPermanent ? 0.0 : 0.25);
    }
}

TEST(WholeGamePositions, ImpossiblePositionsAreRefused) {
    const Variant variant{2, 2};
    // 11 cannot be beaten, so it cannot have been trusted.
    EXPECT_THROW(solvePosition(variant, kNone, position("11", "12")), std::invalid_argument);
    EXPECT_THROW(solvePosition(variant, kNone, position("22", "1")), std::invalid_argument);
    EXPECT_THROW(solvePosition(variant, kNone, position("222", "12")), std::invalid_argument);
}

} // namespace
} // namespace quintel::wholegame
