#include "opponent/call_planning.h"

#include "model/call_rules.h"
#include "model/random_source.h"
#include "opponent/engine/engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace quintel {
namespace {

std::string digits(const CallDigits& call) {
    return diceDigits(call, EmptyPositions::Zero);
}

std::string weakestAbove(std::string_view last) {
    CallDigits dice{};
    for (std::size_t i = 0; i < last.size(); ++i) {
        dice[i] = last[i] - '0';
    }
    const auto weakest = weakestCallBeating(dice, shapeScore(countFaces(dice)));
    return weakest ? digits(*weakest) : "none";
}

TEST(ComputerHold, WithoutOptionsKeepsNothingOfAFalseCallAndOnlyCallDiceOfATrueOne) {
    const Form1 engine;
    EXPECT_EQ(chooseHold(engine, "22", "66543", "6", {}), "");
    EXPECT_EQ(chooseHold(engine, "66", "66543", "", {}), "66");
    const std::string hold = chooseHold(engine, "665", "66543", "", {});
    EXPECT_TRUE(callCovered(hold, "665")) << hold;
}

TEST(ComputerHold, FixPermanentKeepsThePlayersFixedDice) {
    const Form1 engine;
    const EngineOptions permanent{.fixAny = false, .fixPermanent = true};
    EXPECT_EQ(chooseHold(engine, "22", "66543", "64", permanent), "64");
    // A true call is planned by the search, which must keep the fixed dice too.
    const std::string hold = chooseHold(engine, "665", "66543", "5", permanent);
    EXPECT_TRUE(callCovered("5", hold)) << hold;
    EXPECT_TRUE(callCovered(hold, "665")) << hold;
}

TEST(ComputerHold, FixAnyPlansEveryHoldWithTheSearch) {
    const Form1 engine;
    // Three aces beat a pair of twos whatever follows; the search keeps them.
    EXPECT_EQ(chooseHold(engine, "22", "11165", "", {.fixAny = true}), "1116");
    const std::string both = chooseHold(engine, "22", "11165", "5", {true, true});
    EXPECT_TRUE(callCovered("1115", both)) << both;
}

TEST(CallCover, EveryCalledDieMustBeAmongTheDice) {
    EXPECT_TRUE(callCovered("665", "66543"));
    EXPECT_FALSE(callCovered("666", "66543"));
    EXPECT_TRUE(callCovered("66000", "56416"));
    EXPECT_TRUE(callCovered("", "12345"));
}

TEST(WeakestCall, IsTheFirstCallAboveTheLastInTheBeatsOrder) {
    EXPECT_EQ(weakestAbove("65432"), "10000"); // a lone ace outranks every straight-less five
    EXPECT_EQ(weakestAbove("66"), "66200");
    EXPECT_EQ(weakestAbove("11654"), "33220"); // the lowest two pairs beat the best pair
    EXPECT_EQ(weakestAbove("2"), "30000");
    EXPECT_EQ(weakestAbove("66665"), "66661");
    EXPECT_EQ(weakestAbove("11116"), "22222");
    EXPECT_EQ(weakestAbove("11111"), "none");
}

// Every call of one to five dice, listed as all ways of filling five places with 0..6.
std::vector<CallDigits> everyCall() {
    std::vector<CallDigits> calls;
    for (int code = 1; code < 7 * 7 * 7 * 7 * 7; ++code) {
        CallDigits dice{};
        for (int i = 0, rest = code; i < 5; ++i, rest /= 7) {
            dice[static_cast<std::size_t>(i)] = rest % 7;
        }
        arrangeDice(dice);
        calls.push_back(dice);
    }
    return calls;
}

TEST(WeakestCall, BeatsTheLastCallAndNoCallLiesBetween) {
    const std::vector<CallDigits> calls = everyCall();
    const auto level = [](const CallDigits& d) { return shapeScore(countFaces(d)); };
    for (const char* last : {"3", "552", "33224", "4441", "66611", "2222", "16543"}) {
        CallDigits dice{};
        for (std::size_t i = 0; last[i] != '\0'; ++i) {
            dice[i] = last[i] - '0';
        }
        const auto weakest = weakestCallBeating(dice, level(dice));
        ASSERT_TRUE(weakest) << last;
        EXPECT_TRUE(callBeats(*weakest, level(*weakest), dice, level(dice))) << last;
        for (const CallDigits& call : calls) {
            const bool between = callBeats(call, level(call), dice, level(dice)) &&
                                 callBeats(*weakest, level(*weakest), call, level(call));
            ASSERT_FALSE(between) << last << " < " << digits(call) << " < " << digits(*weakest);
        }
    }
}

TEST(BluffSearch, NamesTheHoldPlusRandomDiceUntilACandidateBeatsTheLastCall) {
    RandomSource random(7);
    const CallDigits last{5, 5, 3, 3, 2};
    int fourDice = 0;
    for (int i = 0; i < 400; ++i) {
        const BluffResult bluff = bluffSearch("55", last, 21, random, 1000);
        ASSERT_TRUE(bluff.found);
        EXPECT_GE(bluff.drawn, 1);
        EXPECT_TRUE(callBeats(bluff.dice, bluff.level, last, 21)) << digits(bluff.dice);
        EXPECT_GE(countFaces(bluff.dice)[5], 2) << digits(bluff.dice);
        EXPECT_EQ(bluff.level, shapeScore(countFaces(bluff.dice)));
        fourDice += bluff.dice[4] == 0 ? 1 : 0;
    }
    // Four-dice candidates are drawn 60 % of the time; winning ones are rarer among them.
    EXPECT_GT(fourDice, 40);
    EXPECT_LT(fourDice, 360);
}

TEST(BluffSearch, StopsAtItsBoundWhenTheHoldLeavesNoCandidateThatBeatsTheCall) {
    RandomSource random(11);
    const CallDigits last{6, 6, 0, 0, 0};
    const BluffResult bluff = bluffSearch("65432", last, 10, random, 1000);
    EXPECT_FALSE(bluff.found);
    EXPECT_EQ(bluff.drawn, 1000);
}

} // namespace
} // namespace quintel
