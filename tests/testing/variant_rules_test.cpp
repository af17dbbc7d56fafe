#include "model/call_list.h"
#include "model/keep_rules.h"
#include "testing/whole_game/variant_rules.h"

#include "tests/testing/whole_game_checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <random>
#include <set>
#include <string>

namespace quintel::wholegame {
namespace {

std::string text(const Variant& variant, const Counts& dice) {
    std::string digits;
    for (const int face : canonicalFaces(variant, dice)) {
        digits += static_cast<char>('0' + face);
    }
    return digits;
}

std::vector<std::string> callTexts(const Variant& variant) {
    std::vector<std::string> texts;
    for (const Counts& call : callsWeakestFirst(variant)) {
        texts.push_back(text(variant, call));
    }
    return texts;
}

TEST(VariantCalls, SmallVariantsAreRankedByClassThenByFaceRank) {
    using Texts = std::vector<std::string>;
    EXPECT_EQ(callTexts({2, 1}), (Texts{"2", "1"}));
    EXPECT_EQ(callTexts({3, 1}), (Texts{"2", "3", "1"}));
    // Two different dice are no pair: 12 is the strongest call of class 0. A lone 1 outranks 32
    // at the first position.
    EXPECT_EQ(callTexts({2, 2}), (Texts{"2", "1", "12", "22", "11"}));
    EXPECT_EQ(callTexts({2, 3}), (Texts{"2", "1", "12", "22", "221", "11", "112", "222", "111"}));
    EXPECT_EQ(callTexts({3, 2}), (Texts{"2", "3", "32", "1", "12", "13", "22", "33", "11"}));
}

TEST(VariantCalls, SixFacesAndFiveDiceGiveTheTablesOwnOrder) {
    const Variant variant{6, 5};
    const std::vector<Counts> ours = callsWeakestFirst(variant);
    const std::vector<RankedCall>& table = everyCallWeakestFirst();
    ASSERT_EQ(ours.size(), table.size());
    for (std::size_t index = 0; index < ours.size(); ++index) {
        EXPECT_EQ(ours[index], countFaces(table[index].dice)) << "call " << index;
        EXPECT_EQ(variantShapeScore(ours[index]), table[index].level) << "call " << index;
    }
}

TEST(VariantCalls, HoldingNeedsEveryDieOfTheCall) {
    EXPECT_TRUE(holdsCall(counts("66651"), counts("665")));
    EXPECT_FALSE(holdsCall(counts("66666"), counts("55")));
    EXPECT_FALSE(holdsCall(counts("12"), counts("11")));
    EXPECT_TRUE(holdsCall(counts("12"), counts("2")));
}

// Counts every ordered throw of the dice not kept.
std::map<Counts, int> orderedThrows(const Variant& variant, const Counts& kept) {
    const int thrown = variant.dice - countDice(kept);
    const int total = static_cast<int>(std::pow(variant.faces, thrown));
    std::map<Counts, int> seen;
    for (int number = 0; number < total; ++number) {
        Counts dice = kept;
        int rest = number;
        for (int die = 0; die < thrown; ++die) {
            ++dice.at(static_cast<std::size_t>(1 + rest % variant.faces));
            rest /= variant.faces;
        }
        ++seen[dice];
    }
    return seen;
}

TEST(VariantThrows, ChancesAreTheShareOfOrderedThrows) {
    for (const auto& [variant, kept] :
         {std::pair{Variant{2, 2}, Counts{}}, std::pair{Variant{3, 3}, counts("1")},
          std::pair{Variant{6, 5}, counts("66")}, std::pair{Variant{4, 3}, counts("234")}}) {
        const auto expected = orderedThrows(variant, kept);
        const auto outcomes = throwOutcomes(variant, kept);
        ASSERT_EQ(outcomes.size(), expected.size());
        const double total = std::pow(variant.faces, variant.dice - countDice(kept));
        double sum = 0;
        for (const ThrowOutcome& outcome : outcomes) {
            ASSERT_TRUE(expected.contains(outcome.dice));
            EXPECT_NEAR(outcome.chance, expected.at(outcome.dice) / total, 1e-15);
            sum += outcome.chance;
        }
        EXPECT_NEAR(sum, 1.0, 1e-12);
    }
}

// For six faces and five dice the variant's keep rule is the table's.
TEST(VariantKeeps, SixFacesAndFiveDiceKeepAsTheTableAllows) {
    const Variant variant{6, 5};
    const std::vector<Counts> calls = callsWeakestFirst(variant);
    std::mt19937 draw(11);
    std::uniform_int_distribution<int> face(1, 6);
    std::uniform_int_distribution<std::size_t> anyCall(0, calls.size() - 1);
    for (int round = 0; round < 2000; ++round) {
        Counts dice{};
        Counts locked{};
        for (int die = 0; die < 5; ++die) {
            const auto value = static_cast<std::size_t>(face(draw));
            ++dice[value];
            if (draw() % 3 == 0) {
                ++locked[value];
            }
        }
        const Counts& call = calls[anyCall(draw)];
        for (const RuleOptions options : kOptionSets) {
            const KeepBounds ours = variantKeepBounds(variant, call, dice, locked, options);
            const KeepRange table = keepRange(call, dice, locked, options);
            EXPECT_EQ(ours.least, table.least);
            EXPECT_EQ(ours.most, table.most);
        }
    }
}

TEST(VariantKeeps, EveryChoiceWithinTheBoundsOnce) {
    const Variant variant{3, 3};
    KeepBounds bounds;
    bounds.least = counts("1");
    bounds.most = counts("1123");
    const std::vector<Counts> choices = keepChoices(variant, bounds);
    EXPECT_EQ(choices.size(), 2U * 2U * 2U);
    const std::set<Counts> distinct(choices.begin(), choices.end());
    EXPECT_EQ(distinct.size(), choices.size());
    for (const Counts& kept : choices) {
        for (std::size_t face = 1; face <= 3; ++face) {
            EXPECT_GE(kept[face], bounds.least[face]);
            EXPECT_LE(kept[face], bounds.most[face]);
        }
    }
}

TEST(VariantKeeps, WithoutFixAnyOnlyAHeldCallMayBeKept) {
    const Variant variant{3, 3};
    const RuleOptions none{};
    // 22 held by 2 2 1: the two 2s may stay, the 1 goes.
    KeepBounds held = variantKeepBounds(variant, counts("22"), counts("122"), {}, none);
    EXPECT_EQ(held.most, counts("22"));
    EXPECT_EQ(held.least, Counts{});
    // 33 not held: everything is thrown, except what "Fix Permanent" locks.
    KeepBounds notHeld = variantKeepBounds(variant, counts("33"), counts("123"), counts("1"), none);
    EXPECT_EQ(notHeld.most, Counts{});
    notHeld = variantKeepBounds(variant, counts("33"), counts("123"), counts("13"), {false, true});
    EXPECT_EQ(notHeld.least, counts("13"));
    EXPECT_EQ(notHeld.most, counts("13"));
    // A locked die no longer among the dice locks nothing.
    const KeepBounds gone =
        variantKeepBounds(variant, counts("1"), counts("123"), counts("11"), {true, true});
    EXPECT_EQ(gone.least, counts("1"));
    EXPECT_EQ(gone.most, counts("123"));
}

} // namespace
} // namespace quintel::wholegame
