#pragma once

#include <array>
#include <string>
#include <string_view>

namespace quintel {

// How often each face came up: entry f-1 for face f.
using FaceTally = std::array<long long, 6>;

// Adds the dice written as digits to `tally`; anything else is not a die and is passed over.
void tallyFaces(std::string_view digits, FaceTally& tally);

// Pearson's chi-square test of the faces against a fair die.
struct DiceCheck {
    long long dice = 0;
    double chiSquare = 0.0;
    int degreesOfFreedom = 5;
    double pValue = 1.0; // the chance of a chi-square this large or larger from fair dice
};

DiceCheck checkDice(const FaceTally& tally);

// The regularized upper incomplete gamma function Q(a, x) = Γ(a, x) / Γ(a), for a > 0, x >= 0.
double upperRegularizedGamma(double a, double x);

// Fewer dice than this say nothing: the test wants five expected of each face.
inline constexpr long long kFewestDiceToJudge = 30;

// The check in plain words, such as "nothing unusual in 12,340 dice".
std::string diceVerdict(const DiceCheck& check);

// A count with commas between thousands: 12,340.
std::string groupedNumber(long long number);

} // namespace quintel
