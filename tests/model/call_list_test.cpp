#include "model/call_list.h"

#include "model/call_rules.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace quintel {
namespace {

TEST(EveryCall, ListsEachMultisetOfOneToFiveDiceOnce) {
    const std::vector<RankedCall>& calls = everyCallWeakestFirst();
    // Multisets of k of six faces: 6 + 21 + 56 + 126 + 252.
    EXPECT_EQ(calls.size(), 461u);
    std::set<std::string> seen;
    for (const RankedCall& call : calls) {
        const std::string digits = diceDigits(call.dice, EmptyPositions::Zero);
        EXPECT_TRUE(seen.insert(digits).second) << digits;
        CallDigits arranged = call.dice;
        EXPECT_EQ(shapeScore(arrangeDice(arranged)), call.level) << digits;
        EXPECT_EQ(arranged, call.dice) << digits << " is not in canonical order";
    }
}

TEST(EveryCall, RunsFromTheWeakestToTheStrongest) {
    const std::vector<RankedCall>& calls = everyCallWeakestFirst();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(diceDigits(calls.front().dice, EmptyPositions::Zero), "20000");
    EXPECT_EQ(diceDigits(calls.back().dice, EmptyPositions::Zero), "11111");
    for (std::size_t i = 1; i < calls.size(); ++i) {
        const RankedCall& weaker = calls[i - 1];
        const RankedCall& stronger = calls[i];
        ASSERT_TRUE(callBeats(stronger.dice, stronger.level, weaker.dice, weaker.level))
            << diceDigits(stronger.dice) << " after " << diceDigits(weaker.dice);
    }
}

} // namespace
} // namespace quintel
