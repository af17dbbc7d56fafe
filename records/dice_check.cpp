#include "records/dice_check.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace quintel {

namespace {

constexpr int kMostTerms = 1000;
constexpr double kPrecision = 1e-15;

// The series of the lower function P(a, x), good for x < a + 1.
double lowerSeries(double a, double x) {
    double term = 1.0 / a;
    double sum = term;
    for (int n = 1; n < kMostTerms; ++n) {
        term *= x / (a + n);
        sum += term;
        if (std::fabs(term) < std::fabs(sum) * kPrecision) {
            break;
        }
    }
    return sum * std::exp(-x + a * std::log(x) - std::lgamma(a));
}

// The continued fraction of Q(a, x) by the modified Lentz method, good for x >= a + 1.
double upperFraction(double a, double x) {
    constexpr double tiny = std::numeric_limits<double>::min() / kPrecision;
    double b = x + 1.0 - a;
    double c = 1.0 / tiny;
    double d = 1.0 / b;
    double fraction = d;
    for (int n = 1; n < kMostTerms; ++n) {
        const double an = -n * (n - a);
        b += 2.0;
        d = an * d + b;
        d = std::fabs(d) < tiny ? tiny : d;
        c = b + an / c;
        c = std::fabs(c) < tiny ? tiny : c;
        d = 1.0 / d;
        const double step = d * c;
        fraction *= step;
        if (std::fabs(step - 1.0) < kPrecision) {
            break;
        }
    }
    return std::exp(-x + a * std::log(x) - std::lgamma(a)) * fraction;
}

} // namespace

void tallyFaces(std::string_view digits, FaceTally& tally) {
    for (const char digit : digits) {
        if (digit >= '1' && digit <= '6') {
            ++tally[static_cast<std::size_t>(digit - '1')];
        }
    }
}

double upperRegularizedGamma(double a, double x) {
    if (x <= 0.0) {
        return 1.0;
    }
    return x < a + 1.0 ? 1.0 - lowerSeries(a, x) : upperFraction(a, x);
}

DiceCheck checkDice(const FaceTally& tally) {
    DiceCheck check;
    for (const long long count : tally) {
        check.dice += count;
    }
    if (check.dice == 0) {
        return check;
    }
    const double expected = static_cast<double>(check.dice) / 6.0;
    for (const long long count : tally) {
        const double away = static_cast<double>(count) - expected;
        check.chiSquare += away * away / expected;
    }
    check.pValue = upperRegularizedGamma(check.degreesOfFreedom / 2.0, check.chiSquare / 2.0);
    return check;
}

std::string groupedNumber(long long number) {
    const std::string digits = std::to_string(number < 0 ? -number : number);
    std::string grouped = number < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            grouped.push_back(',');
        }
        grouped.push_back(digits[i]);
    }
    return grouped;
}

std::string diceVerdict(const DiceCheck& check) {
    const std::string dice = groupedNumber(check.dice) + (check.dice == 1 ? " die" : " dice");
    if (check.dice < kFewestDiceToJudge) {
        return "too few dice to judge yet (" + dice + ")";
    }
    std::array<char, 32> p{};
    std::snprintf(p.data(), p.size(), "%.2g", check.pValue);
    // Over many checks one in a hundred fair runs lands below 0.01; below 0.001 is rare enough
    // to say so plainly.
    if (check.pValue < 0.001) {
        return "the faces are far from even in " + dice + " (p = " + p.data() + ")";
    }
    if (check.pValue < 0.01) {
        return "the faces are somewhat uneven in " + dice + " (p = " + p.data() +
               "), which fair dice show about once in a hundred checks";
    }
    return "nothing unusual in " + dice;
}

} // namespace quintel
