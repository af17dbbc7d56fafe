#include "solver/response_positions.h"

#include "model/call_rules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace quintel::solver {
namespace {

TEST(FiveDiceSets, EveryPartOfAHandAndTheChanceOfThrowingAroundIt) {
    const FiveDiceSets& sets = FiveDiceSets::get();
    EXPECT_EQ(sets.setCount(), 462);
    EXPECT_EQ(sets.hands().size(), 252U);
    int pairs = 0;
    for (const int hand : sets.hands()) {
        pairs += static_cast<int>(sets.partsOf(hand).size());
    }
    EXPECT_EQ(pairs, sets.pairCount());

    for (int part = 0; part < sets.setCount(); ++part) {
        // Every throw of the other dice, one by one.
        const int thrown = kDiceCount - sets.size(part);
        const int throws = static_cast<int>(std::pow(6, thrown));
        std::map<int, double> counted;
        for (int code = 0; code < throws; ++code) {
            FaceCounts dice = sets.counts(part);
            for (int i = 0, rest = code; i < thrown; ++i, rest /= 6) {
                ++dice[static_cast<std::size_t>(rest % 6 + 1)];
            }
            counted[sets.setOf(dice)] += 1.0 / throws;
        }
        ASSERT_EQ(sets.throwsAround(part).size(), counted.size()) << sets.digits(part);
        for (const FiveDiceSets::Outcome& outcome : sets.throwsAround(part)) {
            EXPECT_NEAR(outcome.chance, counted[outcome.hand], 1e-15) << sets.digits(part);
            EXPECT_GE(sets.pairOf(part, outcome.hand), 0);
        }
    }
    EXPECT_NEAR(sets.handChance(sets.setOf(countFaceDigits("66543"))), 60.0 / 7776, 1e-15);
    EXPECT_EQ(sets.digits(sets.setOf(countFaceDigits("23321"))), "33221");
    EXPECT_EQ(sets.pairOf(sets.setOf(countFaceDigits("66")), sets.setOf(countFaceDigits("65432"))),
              -1);
}

TEST(CallPlaces, AreTheOrderOfTheBeatsRelation) {
    ASSERT_EQ(callCount(), 461);
    for (CallIndex call = 0; call < callCount(); ++call) {
        EXPECT_EQ(callIndexOf(callCounts(call)), call);
        EXPECT_EQ(countFaces(callDigits(call)), callCounts(call));
    }
    for (CallIndex call = 1; call < callCount(); ++call) {
        const CallDigits& above = callDigits(call);
        const CallDigits& below = callDigits(call - 1);
        EXPECT_TRUE(
            callBeats(above, shapeScore(countFaces(above)), below, shapeScore(countFaces(below))));
    }
    EXPECT_EQ(callIndexOf(countFaceDigits("11111")), callCount() - 1);
    EXPECT_EQ(callIndexOf(countFaceDigits("66666")), callCount() - 2);
}

} // namespace
} // namespace quintel::solver
