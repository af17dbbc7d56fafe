#include "solver/best_response.h"

#include <gtest/gtest.h>

#include <vector>

namespace quintel::solver {
namespace {

const CallIndex kFiveAces = 460;
const CallIndex kFiveSixes = 459;

FaceCounts dice(std::string_view digits) {
    return countFaceDigits(digits);
}

// Challenges five aces and trusts everything else; keeps nothing and always answers five aces.
class AcesCaller : public OpponentModel {
public:
    bool trusts(CallIndex call, const FaceCounts&) const override { return call < kFiveAces; }
    FaceCounts keeps(CallIndex, const FaceCounts&, const FaceCounts&) const override { return {}; }
    std::span<const CallChance> calls(CallIndex, const FaceCounts&,
                                      const FaceCounts&) const override {
        static const std::vector<CallChance> aces{{kFiveAces, 1.0}};
        return aces;
    }
};

// Challenges every call.
class Doubter : public AcesCaller {
public:
    bool trusts(CallIndex, const FaceCounts&) const override { return false; }
};

TEST(BestResponse, AgainstAComputerThatChallengesEverythingATrueCallAlwaysWins) {
    const Doubter doubter;
    const BestResponse best(doubter, {});
    EXPECT_NEAR(best.value(), 1.0, 1e-12);
    const CallIndex opening = best.openingCall(dice("65432"));
    EXPECT_TRUE(covers(dice("65432"), callCounts(opening)));
}

// The aces caller, asked by stage: the same play, so the same value by the other pass.
class StagedAcesCaller : public AcesCaller {
public:
    bool answersByStage() const override { return true; }
};

// Trusts every call below five aces after a throw half the time, and a call at once when the dice
// hold it; keeps nothing and answers five aces.
class HalfTruster : public StagedAcesCaller {
public:
    std::vector<double> stageTrust(CallIndex lastCall, const FaceCounts&) const override {
        std::vector<double> trust(static_cast<std::size_t>(callCount()), 0.0);
        for (CallIndex call = lastCall + 1; call < kFiveAces; ++call) {
            trust[static_cast<std::size_t>(call)] = 0.5;
        }
        return trust;
    }
    double trustAtOnce(CallIndex call, const FaceCounts& dice) const override {
        return call < kFiveAces && covers(dice, callCounts(call)) ? 1.0 : 0.0;
    }
};

TEST(BestResponseLong, AComputerAskedByStageThatPlaysAsBeforeIsWorthTheSame) {
    const AcesCaller caller;
    const StagedAcesCaller staged;
    const BestResponse byCall(caller, {});
    const BestResponse byStage(staged, {});
    EXPECT_FALSE(byCall.byStage());
    EXPECT_TRUE(byStage.byStage());
    EXPECT_NEAR(byStage.value(), byCall.value(), 1e-12);
    EXPECT_EQ(byStage.callAfterThrow(-1, {}, dice("11111")), kFiveAces);
    EXPECT_EQ(byStage.positionValue(3, dice("66543"), {}),
              byCall.positionValue(3, dice("66543"), {}));
}

TEST(BestResponseLong, AMixedChanceOfTrustWeighsBothAnswers) {
    const HalfTruster computer;
    const BestResponse best(computer, {});
    // A true call is trusted half the time, and then answered with five aces, which the player
    // challenges; five aces in hand are never trusted.
    constexpr double aces = 1.0 / 7776;
    constexpr double miss = 1.0 - aces;
    EXPECT_NEAR(best.value(), aces + (1 - aces) * (1 + miss) / 2, 1e-12);
    const CallIndex opening = best.callAfterThrow(-1, {}, dice("65432"));
    EXPECT_TRUE(covers(dice("65432"), callCounts(opening)));
    // At once on dice the computer knows, only a call that the dice hold can win.
    const CallIndex atOnce = best.callAtOnce(3, {}, dice("66543"));
    EXPECT_TRUE(covers(dice("66543"), callCounts(atOnce)));
    EXPECT_GT(atOnce, 3);
    // The computer's hold of five dice is a call at once: trusted exactly when it holds.
    EXPECT_TRUE(best.trusts(3, dice("66543"), callIndexOf(dice("665"))));
    EXPECT_FALSE(best.trusts(3, dice("66543"), callIndexOf(dice("666"))));
}

TEST(BestResponse, WeighsTheComputersCallByTheDiceItCanHaveThrown) {
    const AcesCaller caller;
    const BestResponse best(caller, {});
    // Any call below five aces is trusted and answered with five aces, which five thrown dice
    // hold once in 7776 throws: challenge them. Five aces in hand: call them, and win.
    constexpr double miss = 1.0 - 1.0 / 7776;
    EXPECT_NEAR(best.value(), miss * miss + 1.0 / 7776, 1e-12);
    const BestResponse::Answers answers = best.answers(3, FaceCounts{});
    EXPECT_NEAR(answers.challenge[kFiveAces], miss, 1e-12);
    EXPECT_DOUBLE_EQ(answers.trust[kFiveAces], 0.0);
    EXPECT_FALSE(best.trusts(3, FaceCounts{}, kFiveAces));
    EXPECT_EQ(best.openingCall(dice("11111")), kFiveAces);
    EXPECT_DOUBLE_EQ(best.callValue(kFiveAces, {}, dice("11111")), 1.0);
    EXPECT_DOUBLE_EQ(best.callValue(kFiveAces, {}, dice("11112")), 0.0);
}

TEST(BestResponseLong, AboveFiveSixesOnlyTheKeepsTheRulesAllowCount) {
    const AcesCaller caller;
    // Trusting five sixes leaves five aces, which the computer challenges: only dice that end as
    // five aces win, and the rules decide which aces may stay.
    const BestResponse none(caller, {});
    EXPECT_NEAR(none.positionValue(kFiveSixes, dice("11123"), {}), 1.0 / 7776, 1e-15);
    EXPECT_DOUBLE_EQ(none.positionValue(kFiveAces, dice("11111"), {}), 0.0);
    EXPECT_EQ(none.keep(kFiveSixes, dice("11123"), {}), FaceCounts{});

    const BestResponse any(caller, {.fixAny = true, .fixPermanent = false});
    EXPECT_NEAR(any.positionValue(kFiveSixes, dice("11123"), {}), 1.0 / 36, 1e-15);
    EXPECT_EQ(any.keep(kFiveSixes, dice("11123"), {}), dice("111"));
    EXPECT_EQ(any.call(kFiveSixes, dice("111"), dice("11123")), kFiveAces);

    // Two locked aces stay, and without "Fix Any" nothing else may.
    const BestResponse permanent(caller, {.fixAny = false, .fixPermanent = true});
    EXPECT_NEAR(permanent.positionValue(kFiveSixes, dice("11123"), dice("11")), 1.0 / 216, 1e-15);
    EXPECT_NEAR(permanent.positionValue(kFiveSixes, dice("11123"), {}), 1.0 / 7776, 1e-15);
}

} // namespace
} // namespace quintel::solver
