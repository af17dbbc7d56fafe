#include "model/call_rules.h"
#include "model/dice.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace quintel {
namespace {

// A call written as digits ("22000" or "22"), as the dice array and score the table keeps.
struct Call {
    std::array<int, 6> dice{};
    int score = 0;
};

Call call(std::string_view digits) {
    Call result;
    for (std::size_t i = 0; i < digits.size() && i < 5; ++i) {
        result.dice[i] = digits[i] - '0';
    }
    const FaceCounts counts = arrangeDice(std::span(result.dice).first(5));
    result.score = shapeScore(counts);
    return result;
}

bool beats(std::string_view a, std::string_view b) {
    const Call first = call(a);
    const Call second = call(b);
    return callBeats(first.dice, first.score, second.dice, second.score);
}

TEST(Beats, FollowsShapeClassThenFaceRank) {
    EXPECT_TRUE(beats("10000", "65432"));
    EXPECT_TRUE(beats("22000", "16543"));
    EXPECT_FALSE(beats("22000", "22543"));
    EXPECT_TRUE(beats("33000", "22000"));
    EXPECT_TRUE(beats("22143", "22654"));
    EXPECT_TRUE(beats("33221", "33226"));
    EXPECT_TRUE(beats("11665", "66551"));
    EXPECT_TRUE(beats("33224", "33220"));
    EXPECT_FALSE(beats("33220", "33224"));
    EXPECT_TRUE(beats("11100", "66554"));
    EXPECT_TRUE(beats("55200", "44000"));
    EXPECT_TRUE(beats("55200", "22000")); // both one pair: the fives decide
}

TEST(Beats, EqualCallsDoNotBeatEachOtherAndNothingBeatsFiveAces) {
    EXPECT_FALSE(beats("22543", "22543"));
    EXPECT_FALSE(beats("6", "6"));
    for (const char* other : {"65432", "11116", "66666", "1", "11110"}) {
        EXPECT_FALSE(beats(other, "11111")) << other;
        EXPECT_TRUE(beats("11111", other)) << other;
    }
}

TEST(Beats, TextsAndDiceArraysAgree) {
    const std::array<std::string, 8> calls{"1",    "6",     "22",    "55200",
                                           "3322", "11116", "65432", "22213"};
    const auto namedDiceArranged = [](std::string text) {
        std::erase(text, '0');
        return arrangeDigits(text);
    };
    for (const auto& a : calls) {
        for (const auto& b : calls) {
            EXPECT_EQ(textBeats(namedDiceArranged(a), namedDiceArranged(b)), beats(a, b))
                << a << " vs " << b;
        }
    }
}

TEST(CompareFixDice, IsFalseOnlyForFiveFixedDiceThatAreTheDice) {
    EXPECT_TRUE(compareFixDice("", "66543"));
    EXPECT_TRUE(compareFixDice("6654", "66543"));
    EXPECT_FALSE(compareFixDice("34566", "66543"));
    EXPECT_FALSE(compareFixDice("66543", "66543"));
    EXPECT_TRUE(compareFixDice("66544", "66543"));
}

TEST(HandOverTexts, KeepZerosInTheCallAndFixedDiceOnlyAfterAThrow) {
    const std::array<int, 6> callDice{5, 5, 2, 0, 0, 0};
    const std::array<std::string, 5> captions{"6", "6", "5", "4", "3"};
    const std::array<int, 5> fixDice{6, 0, 5, 0, 3};
    const HandOverTexts thrown = formHandOverTexts(callDice, captions, fixDice, true);
    EXPECT_EQ(thrown.CallString, "55200");
    EXPECT_EQ(thrown.DiceString, "66543");
    EXPECT_EQ(thrown.FixString, "653");
    EXPECT_EQ(formHandOverTexts(callDice, captions, fixDice, false).FixString, "");
}

} // namespace
} // namespace quintel
