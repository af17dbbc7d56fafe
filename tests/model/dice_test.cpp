#include "model/dice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace quintel {
namespace {

std::string arranged(std::array<int, 5> dice) {
    arrangeDice(dice);
    return diceDigits(dice, EmptyPositions::Zero);
}

TEST(CanonicalOrder, FollowsGroupSizeThenFaceRankWithEmptiesLast) {
    EXPECT_EQ(arranged({4, 2, 4, 1, 2}), "44221");
    EXPECT_EQ(arranged({3, 1, 6, 1, 3}), "11336");
    EXPECT_EQ(arranged({5, 0, 5, 0, 1}), "55100");
    EXPECT_EQ(arranged({2, 4, 2, 3, 5}), "22543");
    EXPECT_EQ(arranged({1, 3, 2, 4, 2}), "22143");
    EXPECT_EQ(arranged({2, 1, 2, 2, 3}), "22213");
    EXPECT_EQ(arranged({6, 1, 5, 3, 4}), "16543");
    EXPECT_EQ(arranged({2, 3, 1, 1, 2}), "11223");
    EXPECT_EQ(arranged({0, 0, 0, 0, 1}), "10000");
}

TEST(CanonicalOrder, AnyArrangementOfTheSameDiceGivesTheSameHand) {
    std::array<int, 5> dice{2, 4, 2, 3, 5};
    std::sort(dice.begin(), dice.end());
    do {
        std::array<int, 5> copy = dice;
        const FaceCounts counts = arrangeDice(copy);
        EXPECT_EQ(diceDigits(copy), "22543");
        EXPECT_EQ(shapeScore(counts), 13);
    } while (std::next_permutation(dice.begin(), dice.end()));
}

TEST(CanonicalOrder, TextsArrangeLikeDice) {
    EXPECT_EQ(arrangeDigits("23321"), "33221");
    EXPECT_EQ(arrangeDigits("61166"), "66611");
    EXPECT_EQ(arrangeDigits("12345"), "15432");
    EXPECT_EQ(arrangeDigits("25500"), "55200");
}

TEST(ShapeScore, WeighsEachFaceByHowManyDiceShowIt) {
    EXPECT_EQ(shapeScore(countFaceDigits("65432")), 5);
    EXPECT_EQ(shapeScore(countFaceDigits("15432")), 5);
    EXPECT_EQ(shapeScore(countFaceDigits("1")), 1);
    EXPECT_EQ(shapeScore(countFaceDigits("22")), 10);
    EXPECT_EQ(shapeScore(countFaceDigits("3322")), 20);
    EXPECT_EQ(shapeScore(countFaceDigits("33224")), 21);
    EXPECT_EQ(shapeScore(countFaceDigits("22233")), 40);
    EXPECT_EQ(shapeScore(countFaceDigits("66661")), 51);
    EXPECT_EQ(shapeScore(countFaceDigits("11111")), 60);
    EXPECT_EQ(shapeScore(countFaceDigits("55200")), 11);
    EXPECT_EQ(shapeClass(shapeScore(countFaceDigits("3332"))), 3);
}

TEST(CallText, CountsOnlyNamedDice) {
    EXPECT_EQ(namedDiceCount("55200"), 3);
    EXPECT_EQ(namedDiceCount("11111"), 5);
    EXPECT_EQ(diceDigits(std::array{5, 5, 2, 0, 0}), "552");
}

TEST(CallText, WritesEmptyPositionsAsZerosOnlyWhenAsked) {
    const std::array<int, 5> call{5, 5, 2, 0, 0};
    EXPECT_EQ(diceDigits(call), "552");
    EXPECT_EQ(diceDigits(call, EmptyPositions::Zero), "55200");
}

TEST(Covers, NeedsEveryFaceAtLeastAsOftenAndIgnoresEntryZero) {
    const FaceCounts fullHouse = countFaceDigits("22233");
    EXPECT_TRUE(covers(fullHouse, countFaceDigits("22233")));
    EXPECT_TRUE(covers(fullHouse, countFaceDigits("223")));
    EXPECT_TRUE(covers(fullHouse, countFaceDigits("")));
    EXPECT_FALSE(covers(fullHouse, countFaceDigits("2222")));
    EXPECT_FALSE(covers(fullHouse, countFaceDigits("1")));
    EXPECT_FALSE(covers(countFaceDigits(""), countFaceDigits("6")));
    // Face 6 is the last one compared.
    EXPECT_FALSE(covers(countFaceDigits("66"), countFaceDigits("666")));
    FaceCounts withEmpties = fullHouse;
    withEmpties[0] = 5;
    EXPECT_TRUE(covers(fullHouse, withEmpties));
}

} // namespace
} // namespace quintel
