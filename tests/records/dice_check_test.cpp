#include "model/random_source.h"
#include "records/dice_check.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quintel {
namespace {

// Q(a, x) for whole a has the closed form e^-x (1 + x + ... + x^(a-1)/(a-1)!).
double closedFormQ(int a, double x) {
    double term = 1.0;
    double sum = 1.0;
    for (int k = 1; k < a; ++k) {
        term *= x / k;
        sum += term;
    }
    return std::exp(-x) * sum;
}

TEST(IncompleteGamma, AgreesWithTheClosedFormOnBothSidesOfItsSwitch) {
    for (const int a : {1, 2, 3, 7, 20}) {
        for (const double x : {0.01, 0.5, 1.0, 2.5, 4.0, 9.0, 19.0, 21.5, 40.0}) {
            SCOPED_TRACE(std::to_string(a) + ", " + std::to_string(x));
            EXPECT_NEAR(upperRegularizedGamma(a, x), closedFormQ(a, x), 1e-12);
        }
    }
}

TEST(IncompleteGamma, GivesTheChiSquareTailsOfHalfWholeDegrees) {
    // Q(1/2, x) = erfc(sqrt(x)): the tail of one degree of freedom.
    for (const double x : {0.1, 0.7, 1.5, 3.0, 8.0}) {
        EXPECT_NEAR(upperRegularizedGamma(0.5, x), std::erfc(std::sqrt(x)), 1e-12);
    }
    // The 5 % and 1 % points of five degrees of freedom.
    EXPECT_NEAR(upperRegularizedGamma(2.5, 11.0705 / 2), 0.05, 1e-5);
    EXPECT_NEAR(upperRegularizedGamma(2.5, 15.0863 / 2), 0.01, 1e-5);
    EXPECT_EQ(upperRegularizedGamma(2.5, 0.0), 1.0);
}

TEST(DiceCheckTest, ComputesPearsonsStatisticFromTheTally) {
    FaceTally tally{};
    tallyFaces("1122334455667x0", tally);
    EXPECT_EQ(tally, (FaceTally{2, 2, 2, 2, 2, 2}));
    const DiceCheck even = checkDice({100, 100, 100, 100, 100, 100});
    EXPECT_EQ(even.dice, 600);
    EXPECT_DOUBLE_EQ(even.chiSquare, 0.0);
    EXPECT_DOUBLE_EQ(even.pValue, 1.0);
    // Expected 100 each: (20² + 20² + 0 ...) / 100.
    const DiceCheck uneven = checkDice({120, 80, 100, 100, 100, 100});
    EXPECT_DOUBLE_EQ(uneven.chiSquare, 8.0);
    EXPECT_NEAR(uneven.pValue, upperRegularizedGamma(2.5, 4.0), 1e-15);
}

TEST(DiceCheckTest, SaysWhatTheTestFoundInPlainWords) {
    EXPECT_EQ(diceVerdict(checkDice({2057, 2056, 2057, 2057, 2056, 2057})),
              "nothing unusual in 12,340 dice");
    EXPECT_EQ(diceVerdict(checkDice({3, 2, 1, 0, 0, 0})), "too few dice to judge yet (6 dice)");
    const std::string loaded = diceVerdict(checkDice({400, 100, 100, 100, 100, 100}));
    EXPECT_EQ(loaded.rfind("the faces are far from even in 900 dice (p = ", 0), 0u) << loaded;
    // chi-square 15.5 on five degrees: p about 0.0084.
    const std::string uneven = diceVerdict(checkDice({130, 75, 100, 100, 95, 100}));
    EXPECT_EQ(uneven.rfind("the faces are somewhat uneven in 600 dice (p = 0.0084)", 0), 0u)
        << uneven;
    EXPECT_EQ(groupedNumber(0), "0");
    EXPECT_EQ(groupedNumber(999), "999");
    EXPECT_EQ(groupedNumber(1000000), "1,000,000");
    EXPECT_EQ(groupedNumber(-12345), "-12,345");
}

TEST(DiceCheckTest, AMillionDiceFromTheRandomSourcePass) {
    for (const std::uint64_t seed : {1u, 17u, 20240611u}) {
        RandomSource random(seed);
        FaceTally tally{};
        for (int i = 0; i < 1'000'000; ++i) {
            ++tally[static_cast<std::size_t>(random.die() - 1)];
        }
        const DiceCheck check = checkDice(tally);
        EXPECT_EQ(check.dice, 1'000'000);
        EXPECT_GT(check.pValue, 0.001) << "seed " << seed << ", chi-square " << check.chiSquare;
    }
}

TEST(DiceCheckTest, ALoadedDieAmongAMillionIsCaught) {
    // One face in a hundred turned into a six is a bias the test must see.
    RandomSource random(5);
    FaceTally tally{};
    for (int i = 0; i < 1'000'000; ++i) {
        const int die = i % 100 == 0 ? 6 : random.die();
        ++tally[static_cast<std::size_t>(die - 1)];
    }
    EXPECT_LT(checkDice(tally).pValue, 1e-6);
}

} // namespace
} // namespace quintel
