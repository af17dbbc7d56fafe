#include "opponent/classic_opponent.h"

#include "model/call_rules.h"

#include <gtest/gtest.h>

namespace quintel {
namespace {

using solver::CallIndex;
using solver::FiveDiceSets;

TEST(ClassicOpponentLong, AnswersWithThePolicysCallsAsCallPlaces) {
    for (const RuleOptions options : {RuleOptions{}, RuleOptions{true, true}}) {
        const ClassicOpponent classic(options);
        const ClassicPolicy policy(options);
        const FiveDiceSets& sets = FiveDiceSets::get();
        for (const std::string_view call : {"2", "66", "6655", "65432", "55543"}) {
            const CallIndex index = solver::callIndexOf(countFaceDigits(call));
            const CallDigits& digits = solver::callDigits(index);
            const int level = shapeScore(countFaces(digits));
            for (const std::string_view playerDice : {"66543", "22222", "11165"}) {
                const FaceCounts dice = countFaceDigits(playerDice);
                const FaceCounts hold = classic.keeps(index, dice, {});
                ASSERT_TRUE(covers(dice, hold));
                EXPECT_EQ(arrangeDigits(policy.hold(call, playerDice, "")),
                          sets.digits(sets.setOf(hold)));
                for (const FiveDiceSets::Outcome& thrown : sets.throwsAround(sets.setOf(hold))) {
                    const FaceCounts& ended = sets.counts(thrown.hand);
                    const std::string holdText = sets.digits(sets.setOf(hold));
                    const CallChances expected =
                        policy.callChances(holdText, sets.digits(thrown.hand), digits, level);
                    const auto answered = classic.calls(index, hold, ended);
                    ASSERT_EQ(answered.size(), expected.size());
                    double sum = 0.0;
                    for (std::size_t i = 0; i < expected.size(); ++i) {
                        EXPECT_GT(answered[i].call, index);
                        EXPECT_EQ(solver::callDigits(answered[i].call), expected[i].call.dice);
                        EXPECT_DOUBLE_EQ(answered[i].chance, expected[i].chance);
                        sum += answered[i].chance;
                    }
                    EXPECT_NEAR(sum, 1.0, 1e-12);
                }
            }
            EXPECT_EQ(classic.trusts(index, {}), policy.trusts(digits, ""));
            EXPECT_EQ(classic.trusts(index, countFaceDigits("65")), policy.trusts(digits, "65"));
        }
    }
}

} // namespace
} // namespace quintel
