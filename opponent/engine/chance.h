#pragma once

#include <compare>

namespace quintel {

// Every probability of the engine counts equally likely throws of all five dice, so two chances
// compare exactly and a tie is a real tie, not a rounding accident.
inline constexpr int kAllOutcomes = 7776; // 6^5

// A chance as a whole number of the 6^5 = 7776 equally likely throws of five dice.
struct Chance {
    int outcomes = 0;
    double value() const { return static_cast<double>(outcomes) / kAllOutcomes; }
    auto operator<=>(const Chance&) const = default;
};

constexpr Chance operator+(Chance a, Chance b) {
    return Chance{a.outcomes + b.outcomes};
}

inline constexpr Chance kCertain{kAllOutcomes};

} // namespace quintel
