#include "opponent/engine/engine_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace quintel {
namespace {

TEST(EngineArithmetic, FactorialNcrPowerAndMax) {
    EXPECT_EQ(Factorial[0], 1);
    EXPECT_EQ(Factorial[6], 720);
    EXPECT_EQ(nCr(6, 0), 1);
    EXPECT_EQ(nCr(6, 6), 1);
    EXPECT_EQ(nCr(6, 2), 15);
    EXPECT_EQ(nCr(5, 3), 10);
    EXPECT_EQ(nCr(0, 0), 1);
    EXPECT_EQ(Power(6, 0), 1);
    EXPECT_EQ(Power(6, 5), 7776);
    EXPECT_EQ(Power(2, 10), 1024);
    EXPECT_EQ(Max(3, 7), 7);
    EXPECT_EQ(Max(-1, -4), -1);
}

TEST(EngineArithmetic, NcrMatchesPascalsTriangle) {
    for (int n = 1; n <= 6; ++n) {
        for (int r = 1; r < n; ++r) {
            EXPECT_EQ(nCr(n, r), nCr(n - 1, r - 1) + nCr(n - 1, r)) << n << " over " << r;
        }
    }
}

// The outcome classes of throwing 5 - a dice onto g groups, found by throwing: committed groups
// keep their labels 1..g, new faces get the next labels, larger new groups first.
std::set<int> classesByThrowing(int a, int g) {
    std::set<int> codes;
    const int thrown = 5 - a;
    std::vector<int> faces(static_cast<std::size_t>(thrown), 1);
    const std::function<void(std::size_t)> throwDie = [&](std::size_t die) {
        if (die < faces.size()) {
            for (int face = 1; face <= 6; ++face) {
                faces[die] = face;
                throwDie(die + 1);
            }
            return;
        }
        std::array<int, 7> count{};
        for (int face : faces) {
            ++count[static_cast<std::size_t>(face)];
        }
        std::vector<int> newSizes(count.begin() + 1 + g, count.end());
        std::sort(newSizes.rbegin(), newSizes.rend());
        int code = 0;
        for (int label = 1; label <= g; ++label) {
            for (int i = 0; i < count[static_cast<std::size_t>(label)]; ++i) {
                code = code * 10 + label;
            }
        }
        int label = g;
        for (int size : newSizes) {
            ++label;
            for (int i = 0; i < size; ++i) {
                code = code * 10 + label;
            }
        }
        codes.insert(code);
    };
    throwDie(0);
    return codes;
}

TEST(OutcomeClassTables, ListExactlyTheClassesOfEveryThrow) {
    for (int a = 0; a <= 5; ++a) {
        for (int g = a == 0 ? 0 : 1; g <= a; ++g) {
            const int listed =
                ComboCountTable[static_cast<std::size_t>(a)][static_cast<std::size_t>(g)];
            const auto& row = PatternTable[static_cast<std::size_t>(a)];
            const std::set<int> codes(row.begin() + 1, row.begin() + 1 + listed);
            EXPECT_EQ(static_cast<int>(codes.size()), listed) << "repeated code, a=" << a;
            EXPECT_EQ(codes, classesByThrowing(a, g)) << "a=" << a << " g=" << g;
        }
    }
}

TEST(OutcomeClassTables, ImpossibleGroupCountsHaveNoClasses) {
    for (int a = 0; a <= 5; ++a) {
        for (int g = 0; g <= 6; ++g) {
            const bool possible = (a == 0 && g == 0) || (g >= 1 && g <= a);
            if (!possible) {
                EXPECT_EQ(ComboCountTable[static_cast<std::size_t>(a)][static_cast<std::size_t>(g)],
                          0)
                    << "a=" << a << " g=" << g;
            }
        }
    }
}

} // namespace
} // namespace quintel
