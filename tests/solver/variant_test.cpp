#include "model/call_list.h"
#include "model/keep_rules.h"
#include "solver/positions.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quintel::solver {
namespace {

TEST(Variant, TheRealGameListsTheTablesCallsInTheirOrder) {
    const std::vector<FaceCounts> generic = callsWeakestFirst(kRealGame);
    const std::vector<RankedCall>& table = everyCallWeakestFirst();
    ASSERT_EQ(generic.size(), table.size());
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(callDigits(generic[i]), table[i].dice) << "call " << i;
    }
}

TEST(Variant, ReducedVariantsHaveEveryMultisetOnceAndRankAcesHighest) {
    // Multisets of 1..N dice of F faces: C(F + N, N) - 1.
    EXPECT_EQ(callsWeakestFirst({3, 2}).size(), 9U);
    EXPECT_EQ(callsWeakestFirst({3, 3}).size(), 19U);
    const std::vector<FaceCounts> calls = callsWeakestFirst({3, 2});
    EXPECT_EQ(diceDigits(callDigits(calls.front())), "2");
    EXPECT_EQ(diceDigits(callDigits(calls[2])), "32"); // two different dice beat a lone 3
    EXPECT_EQ(diceDigits(callDigits(calls[3])), "1");  // but not a lone ace
    EXPECT_EQ(diceDigits(callDigits(calls.back())), "11");
}

TEST(Variant, ThrowChancesOfEachNumberOfDiceAddUpToOne) {
    for (const Variant variant : {Variant{3, 2}, Variant{4, 3}, kRealGame}) {
        const DiceSets sets(variant);
        for (int dice = 0; dice <= variant.dice; ++dice) {
            double total = 0;
            for (const int set : sets.ofSize(dice)) {
                total += throwChance(sets.counts(set), variant);
            }
            EXPECT_NEAR(total, 1.0, 1e-12) << dice << " dice of " << variant.faces;
        }
    }
    // Three different faces of three six-sided dice: 3! of 216 throws.
    EXPECT_DOUBLE_EQ(throwChance(countFaceDigits("135"), kRealGame), 6.0 / 216);
}

TEST(Variant, SetsAreFoundByTheirCounts) {
    const DiceSets sets({4, 3});
    for (int i = 0; i < sets.count(); ++i) {
        EXPECT_EQ(sets.indexOf(sets.counts(i)), i);
    }
    EXPECT_EQ(sets.indexOf(countFaceDigits("5")), -1);    // no face 5 in this variant
    EXPECT_EQ(sets.indexOf(countFaceDigits("1111")), -1); // more dice than the variant throws
}

int set(const GameTables& tables, std::string_view digits) {
    return tables.sets().indexOf(countFaceDigits(digits));
}

std::vector<std::string> keepTexts(const GameTables& tables, std::string_view call,
                                   std::string_view hand, std::string_view locked) {
    const int holding = tables.holdingIndex(set(tables, hand), set(tables, locked));
    std::vector<std::string> texts;
    for (const int kept : tables.allowedKeeps(tables.callOfSet(set(tables, call)), holding)) {
        texts.push_back(diceDigits(callDigits(tables.sets().counts(kept))));
    }
    std::ranges::sort(texts);
    return texts;
}

TEST(GameTables, KeepsFollowTheTablesChangeStep) {
    const GameTables none(kRealGame, {});
    // The dice hold the call: any part of the call's dice may stay.
    EXPECT_EQ(keepTexts(none, "665", "65613", "-"),
              (std::vector<std::string>{"", "5", "6", "65", "66", "665"}));
    // They do not: everything is thrown.
    EXPECT_EQ(keepTexts(none, "66", "65432", "-"), std::vector<std::string>{""});
    const GameTables perm(kRealGame, {.fixPermanent = true});
    EXPECT_EQ(keepTexts(perm, "66", "65432", "2"), std::vector<std::string>{"2"});
    EXPECT_EQ(keepTexts(perm, "6", "66621", "66"), (std::vector<std::string>{"66"}));
    const GameTables any(kRealGame, {.fixAny = true});
    EXPECT_EQ(keepTexts(any, "11111", "22334", "-").size(), 18U); // 3 * 3 * 2 parts of the dice
    const GameTables both(kRealGame, {.fixAny = true, .fixPermanent = true});
    EXPECT_EQ(keepTexts(both, "11111", "22334", "33").size(), 6U);
}

TEST(GameTables, HoldingsPairEachHandWithTheDiceThatMayBeLocked) {
    EXPECT_EQ(GameTables(kRealGame, {}).holdingCount(), 252);
    const GameTables perm(kRealGame, {.fixPermanent = true});
    int expected = 0;
    for (const int hand : perm.sets().ofSize(5)) {
        expected += static_cast<int>(subsetsOf(perm.sets(), hand).size());
    }
    EXPECT_EQ(perm.holdingCount(), expected);
    EXPECT_EQ(perm.holdingIndex(set(perm, "66543"), set(perm, "2")), -1);
    EXPECT_TRUE(perm.covers(set(perm, "66543"), perm.callOfSet(set(perm, "665"))));
    EXPECT_FALSE(perm.covers(set(perm, "66543"), perm.callOfSet(set(perm, "666"))));
}

} // namespace
} // namespace quintel::solver
