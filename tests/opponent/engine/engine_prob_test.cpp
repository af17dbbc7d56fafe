#include "model/history_sink.h"
#include "opponent/engine/engine.h"
#include "testing/engine_reference.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace quintel {
namespace {

class RecordingSink : public HistorySink {
public:
    void writeLine(std::string_view text) override { lines.emplace_back(text); }
    std::vector<std::string> lines;
};

constexpr Chance outOf1296(int outcomes) {
    return Chance{outcomes * 6};
}

TEST(Prob1, CountsOnlyAStrictlyHigherShapeClass) {
    const Form1 engine;
    EXPECT_EQ(engine.Prob1("", "65432"), Chance{7056});
    EXPECT_EQ(engine.Prob1("", "2"), Chance{7056}) << "a single die is class 0 too";
    EXPECT_EQ(engine.Prob1("6666", "11112"), Chance{1296}) << "only five of a kind is higher";
    EXPECT_EQ(engine.Prob1("11", "65432"), kCertain);
    EXPECT_EQ(engine.Prob1("", "11111"), Chance{0});
}

TEST(Prob1, WithAllFiveDiceKeptIsCertainOrImpossible) {
    const Form1 engine;
    EXPECT_EQ(engine.Prob1("22333", "11665"), kCertain);
    EXPECT_EQ(engine.Prob1("22333", "33322"), Chance{0});
    EXPECT_EQ(engine.Prob1("65432", "2"), Chance{0});
}

TEST(Prob2, IsTheChanceOfThrowingTheMissingDice) {
    const Form1 engine;
    EXPECT_EQ(engine.Prob2("5", "55432"), outOf1296(24));
    EXPECT_EQ(engine.Prob2("6", "66"), outOf1296(671));
    EXPECT_EQ(engine.Prob2("", "11111"), Chance{1});
    EXPECT_EQ(engine.Prob2("", "65432"), Chance{120});
}

TEST(Prob2, CountsOnlyTheDiceStillNeeded) {
    const Form1 engine;
    EXPECT_EQ(engine.Prob2("1", "22"), outOf1296(171)) << "the kept 1 is not a missing die";
    EXPECT_EQ(engine.Prob2("16", "66"), Chance{91 * 36});
    EXPECT_EQ(engine.Prob2("222", "2233"), Chance{216});
}

TEST(Prob2, IsCertainWhenNothingIsMissing) {
    const Form1 engine;
    EXPECT_EQ(engine.Prob2("46", "4"), kCertain);
    EXPECT_EQ(engine.Prob2("3", "3"), kCertain);
    EXPECT_EQ(engine.Prob2("55432", "23455"), kCertain);
    EXPECT_EQ(engine.Prob2("66612", "666"), kCertain);
}

TEST(Prob2, IsImpossibleWhenKeptAndCalledDiceDoNotFitInFive) {
    const Form1 engine;
    EXPECT_EQ(engine.Prob2("66", "55543"), Chance{0});
    EXPECT_EQ(engine.Prob2("66", "5554"), Chance{0});
    EXPECT_EQ(engine.Prob2("12345", "66"), Chance{0});
}

TEST(SameLevel, CountsStrongerHandsOfTheCallsClass) {
    const Form1 engine;
    EXPECT_EQ(engine.SameLevel("", "65432"), Chance{600});
    EXPECT_EQ(engine.beatChance("", "65432"), Chance{7656});
    EXPECT_EQ(engine.SameLevel("", "16543"), Chance{0}) << "the strongest of its class";
    EXPECT_EQ(engine.SameLevel("11116", "11112"), kCertain);
    EXPECT_EQ(engine.SameLevel("11112", "11112"), Chance{0}) << "equal hands do not beat";
}

TEST(SameLevel, APartialCallCountsTheWeakestHandThatContainsIt) {
    const Form1 engine;
    // Every hand with a pair beats a lone pair of twos, even 22543.
    EXPECT_EQ(engine.SameLevel("", "22"), Chance{3600});
    // 1 is the strongest single: only hands of class 0 that start with it beat it.
    EXPECT_EQ(engine.SameLevel("", "1"), Chance{5 * 120});
}

TEST(CallTexts, ZerosAreEmptyPositionsNotDice) {
    const Form1 engine;
    EXPECT_EQ(engine.SameLevel("5", "55200"), engine.SameLevel("5", "552"));
    EXPECT_EQ(engine.SameLevel("", "22000"), Chance{3600});
    EXPECT_EQ(engine.Prob1("55", "55200"), engine.Prob1("55", "255"));
    EXPECT_EQ(engine.Prob2("5", "55200"), engine.Prob2("5", "552"));
    EXPECT_EQ(engine.beatChance("", "55200"), reference::enumeratedBeat("", "552"));
}

TEST(Prob1Trace, WritesOneLineForEachCallWithTheHold554) {
    RecordingSink sink;
    const Form1 engine(&sink);
    engine.Prob1("545", "65432");
    EXPECT_EQ(sink.lines, std::vector<std::string>{"Prob1 : 1\t36"});
    engine.Prob1("455", "22");
    ASSERT_EQ(sink.lines.size(), 2U);
    EXPECT_EQ(sink.lines[1], "Prob1 : 0.666666666666667\t24");
    engine.beatChance("554", "22");
    EXPECT_EQ(sink.lines.size(), 3U) << "SameLevel does not trace";
}

TEST(Prob1Trace, StaysSilentForOtherHoldsAndWithoutASink) {
    RecordingSink sink;
    const Form1 engine(&sink);
    engine.Prob1("55", "22");
    engine.Prob1("5544", "22");
    engine.Prob1("553", "22");
    engine.Prob2("554", "22");
    engine.SameLevel("554", "22");
    EXPECT_TRUE(sink.lines.empty());
    const Form1 silent;
    EXPECT_EQ(silent.Prob1("554", "22"), Chance{24 * 216});
}

// The whole cross product of holds and calls against enumeration. Each hold's throws are
// enumerated once into the 252 hands they end in; the hands then answer for every call.
class AgainstEveryThrow : public ::testing::Test {
protected:
    static std::vector<std::string> multisets(int dice) {
        std::vector<std::string> texts{""};
        for (int i = 0; i < dice; ++i) {
            std::vector<std::string> longer;
            for (const std::string& text : texts) {
                for (char face = text.empty() ? '1' : text.back(); face <= '6'; ++face) {
                    longer.push_back(text + face);
                }
            }
            texts = std::move(longer);
        }
        return texts;
    }

    static std::vector<std::string> upToFiveDice(int fewest) {
        std::vector<std::string> all;
        for (int dice = fewest; dice <= 5; ++dice) {
            const std::vector<std::string> texts = multisets(dice);
            all.insert(all.end(), texts.begin(), texts.end());
        }
        return all;
    }

    // Calls as callers write them: some in no particular order, some padded with zeros.
    static std::string asCaller(std::string call, std::size_t index) {
        if (index % 3 == 1) {
            std::reverse(call.begin(), call.end());
        } else if (index % 3 == 2) {
            call.resize(5, '0');
            std::rotate(call.begin(), call.begin() + 1, call.end());
        }
        return call;
    }

    // Ways of ending in each of the 252 hands, weighted as chances of all five dice.
    std::vector<int> handWeights(const std::string& hold) const {
        std::vector<int> weights(hands.size());
        const int weight = reference::powerOfSix(static_cast<int>(hold.size()));
        reference::forEachThrow(hold, [&](const std::string& five) {
            weights[handIndex.at(arrangeDigits(five))] += weight;
        });
        return weights;
    }

    // wanted(hand, call) for every hand and call, worked out once.
    template <class Wanted> std::vector<char> everyHandAndCall(Wanted wanted) const {
        std::vector<char> table;
        for (const std::string& hand : hands) {
            for (const std::string& call : calls) {
                table.push_back(wanted(hand, call) ? 1 : 0);
            }
        }
        return table;
    }

    template <class Engine>
    void expectEveryPair(const std::vector<char>& wanted, Engine answer) const {
        int mismatches = 0;
        for (const std::string& hold : upToFiveDice(0)) {
            const std::vector<int> weights = handWeights(hold);
            for (std::size_t c = 0; c < calls.size(); ++c) {
                Chance expected;
                for (std::size_t h = 0; h < hands.size(); ++h) {
                    expected.outcomes += wanted[h * calls.size() + c] != 0 ? weights[h] : 0;
                }
                const Chance got = answer(hold, asCaller(calls[c], c));
                if (got != expected && ++mismatches <= 10) {
                    ADD_FAILURE() << "hold '" << hold << "' call " << calls[c] << ": "
                                  << got.outcomes << " instead of " << expected.outcomes;
                }
            }
        }
        EXPECT_EQ(mismatches, 0);
    }

    void SetUp() override {
        for (const std::string& hand : multisets(5)) {
            handIndex.emplace(arrangeDigits(hand), hands.size());
            hands.push_back(arrangeDigits(hand));
        }
        calls = upToFiveDice(1);
    }

    std::vector<std::string> hands;
    std::map<std::string, std::size_t> handIndex;
    std::vector<std::string> calls;
    const Form1 engine;
};

TEST_F(AgainstEveryThrow, BeatChanceIsTheChanceOfBeatingTheCall) {
    const std::vector<char> beats =
        everyHandAndCall([](const std::string& hand, const std::string& call) {
            return textBeats(hand, arrangeDigits(call));
        });
    expectEveryPair(beats, [&](const std::string& hold, const std::string& call) {
        return engine.beatChance(hold, call);
    });
}

TEST_F(AgainstEveryThrow, Prob1IsTheChanceOfAHigherShapeClass) {
    const std::vector<char> higher =
        everyHandAndCall([](const std::string& hand, const std::string& call) {
            return reference::classOf(hand) > reference::classOf(call);
        });
    expectEveryPair(higher, [&](const std::string& hold, const std::string& call) {
        return engine.Prob1(hold, call);
    });
}

TEST_F(AgainstEveryThrow, Prob2IsTheChanceOfHoldingEveryCalledDie) {
    const std::vector<char> holding = everyHandAndCall(reference::containsAll);
    expectEveryPair(holding, [&](const std::string& fix, const std::string& call) {
        return engine.Prob2(fix, call);
    });
}

TEST(AgainstEnumeration, TheReferenceAgreesWithTheWorkedExamples) {
    EXPECT_EQ(reference::enumeratedProb1("", "65432"), Chance{7056});
    EXPECT_EQ(reference::enumeratedProb2("6", "66"), outOf1296(671));
    EXPECT_EQ(reference::enumeratedBeat("", "65432"), Chance{7656});
}

} // namespace
} // namespace quintel
