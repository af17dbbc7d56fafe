#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace quintel {

// The engine's tables and counts are indexed by int figures that are never negative.
constexpr std::size_t at(int index) {
    return static_cast<std::size_t>(index);
}

// n! for n = 0..6.
inline constexpr std::array<int, 7> Factorial{1, 1, 2, 6, 24, 120, 720};

// ComboCountTable[a][g]: how many outcome classes of PatternTable row a apply when a of the five
// dice are already committed and those dice form g groups of equal faces.
inline constexpr std::array<std::array<int, 7>, 6> ComboCountTable{{
    {7, 0, 0, 0, 0, 0, 0},
    {0, 12, 0, 0, 0, 0, 0},
    {0, 7, 14, 0, 0, 0, 0},
    {0, 4, 7, 11, 0, 0, 0},
    {0, 2, 3, 4, 5, 0, 0},
    {0, 1, 1, 1, 1, 1, 0},
}};

// PatternTable[a][b], b = 1, 2, ...: outcome classes of the 5 - a thrown dice. Each decimal digit
// is one thrown die and names the group it joins: 1..g the committed groups in canonical order,
// above g new faces, larger new groups first. A row lists the classes for fewer groups first, so
// the first ComboCountTable[a][g] codes are exactly those for g groups. Code 0 throws nothing.
inline constexpr std::array<std::array<int, 21>, 6> PatternTable{{
    {0, 11111, 11112, 11122, 11123, 11223, 11234, 12345},
    {0, 1111, 1112, 1122, 1123, 1222, 1223, 1234, 2222, 2223, 2233, 2234, 2345},
    {0, 111, 112, 122, 123, 222, 223, 234, 113, 133, 134, 233, 333, 334, 345},
    {0, 11, 12, 22, 23, 13, 33, 34, 14, 24, 44, 45},
    {0, 1, 2, 3, 4, 5},
    {0, 0, 0, 0, 0, 0},
}};

constexpr int Max(int x, int y) {
    return x > y ? x : y;
}

// Needs 0 <= r <= n <= 6; the quotient is always whole.
constexpr int nCr(int n, int r) {
    return Factorial[at(n)] / (Factorial[at(r)] * Factorial[at(n - r)]);
}

constexpr std::int32_t Power(int x, int y) {
    return y == 0 ? 1 : Power(x, y - 1) * x;
}

} // namespace quintel
