#include "opponent/computer_judgement.h"

#include "opponent/engine/engine.h"

#include <gtest/gtest.h>

namespace quintel {
namespace {

Likelihood of(double value) {
    return Likelihood::fraction(value);
}
Likelihood throws(int outcomes) {
    return Likelihood::of(Chance{outcomes});
}

TEST(ComputerDecision, ChallengesWhatItCannotBeatOrWhatCannotBeTrue) {
    EXPECT_TRUE(challengesCall(of(0.0), of(0.9), 5));
    EXPECT_TRUE(challengesCall(of(0.9), of(0.0), 5));
    EXPECT_TRUE(challengesCall(throws(0), throws(7000), 13));
}

TEST(ComputerDecision, TrustsAModestCallThatMayBeTrueAndCanBeBeaten) {
    EXPECT_FALSE(challengesCall(of(0.01), of(0.01), 20)); // two pairs named with four dice
    EXPECT_FALSE(challengesCall(throws(1), throws(1), 13));
    EXPECT_TRUE(challengesCall(of(0.01), of(0.01), 21));
}

TEST(ComputerDecision, WeighsBothChancesForStrongCalls) {
    EXPECT_FALSE(challengesCall(of(0.5), of(0.3), 21)); // beatable and plausible
    EXPECT_TRUE(challengesCall(of(0.3), of(0.3), 21));
    EXPECT_TRUE(challengesCall(of(0.05), of(0.9), 32)); // likely true, but it cannot beat it
    EXPECT_FALSE(challengesCall(of(0.11), of(0.41), 32));
}

TEST(ComputerDecision, EngineChancesMeetTheThresholdsExactly) {
    // 0.4 of 7776 throws is 3110.4: 3110 throws are at most 0.4, 3111 are above it.
    EXPECT_TRUE(throws(3110).atMost(2, 5));
    EXPECT_FALSE(throws(3111).atMost(2, 5));
    EXPECT_TRUE(throws(777).atMost(1, 10));
    EXPECT_FALSE(throws(778).atMost(1, 10));
    EXPECT_TRUE(of(0.1).atMost(1, 10));
    EXPECT_FALSE(of(0.1000001).atMost(1, 10));
    EXPECT_TRUE(challengesCall(throws(3110), of(0.3), 21));
    EXPECT_FALSE(challengesCall(throws(3111), of(0.3), 21));
}

TEST(ProfileBucket, RoundsHalvesToEven) {
    EXPECT_EQ(profileBucket(0.25), 2);
    EXPECT_EQ(profileBucket(0.35), 4);
    EXPECT_EQ(profileBucket(0.0), 0);
    EXPECT_EQ(profileBucket(0.04), 0);
    EXPECT_EQ(profileBucket(0.06), 1);
    EXPECT_EQ(profileBucket(0.95), 10);
    EXPECT_EQ(profileBucket(1.0), 10);
    EXPECT_EQ(profileBucket(Chance{5000}.value()), 6);
}

ProfileTable table(std::initializer_list<std::pair<int, int>> entries) {
    ProfileTable t{};
    for (auto [bucket, value] : entries) {
        t[static_cast<std::size_t>(bucket)] = value;
    }
    return t;
}

TEST(ProfileCorrection, FollowsTheSharesOfUnderstatedCallsAroundTheWinProbability) {
    const auto corrected =
        profileCorrection(of(0.34), table({{3, 20}, {4, 25}}), table({{3, 5}, {4, 10}}));
    ASSERT_TRUE(corrected);
    EXPECT_NEAR(*corrected, 0.66, 1e-12);
    // Exactly on a bucket the upper bucket has full weight.
    const auto onBucket =
        profileCorrection(of(0.3), table({{3, 20}, {4, 25}}), table({{3, 5}, {4, 10}}));
    ASSERT_TRUE(onBucket);
    EXPECT_NEAR(*onBucket, 0.6, 1e-12);
}

TEST(ProfileCorrection, NeedsMoreThanFortyCallsAndAWinProbabilityAboveATenth) {
    const ProfileTable scores = table({{3, 5}, {4, 10}});
    EXPECT_FALSE(profileCorrection(of(0.34), table({{3, 20}, {4, 20}}), scores));
    EXPECT_TRUE(profileCorrection(of(0.34), table({{3, 20}, {4, 21}}), scores));
    const ProfileTable low = table({{1, 30}, {2, 30}});
    EXPECT_FALSE(profileCorrection(of(0.1), low, table({{1, 3}, {2, 3}})));
    EXPECT_FALSE(profileCorrection(throws(777), low, table({{1, 3}, {2, 3}})));
    EXPECT_TRUE(profileCorrection(throws(778), low, table({{1, 3}, {2, 3}})));
}

TEST(ProfileCorrection, CertainCallsHaveNoUpperBucketAndStayUncorrected) {
    EXPECT_FALSE(profileCorrection(throws(kAllOutcomes), table({{10, 100}}), table({{10, 50}})));
    // Just below certainty bucket 10 is the upper one and exists.
    EXPECT_TRUE(profileCorrection(of(0.95), table({{9, 30}, {10, 30}}), table({{9, 3}})));
}

TEST(ProfileCorrection, ABucketWithoutCallsTakesTheShareOfTheOther) {
    const auto emptyUpper = profileCorrection(of(0.34), table({{3, 50}}), table({{3, 10}}));
    ASSERT_TRUE(emptyUpper);
    EXPECT_NEAR(*emptyUpper, 0.8, 1e-12);
    const auto emptyLower = profileCorrection(of(0.34), table({{4, 50}}), table({{4, 25}}));
    ASSERT_TRUE(emptyLower);
    EXPECT_NEAR(*emptyLower, 0.5, 1e-12);
}

// The coach keeps its best response while the profile's corrections stay the same: dropping the
// buckets no correction reads changes none, and leaves what one reads.
TEST(ProfileCorrection, DroppingTheUnreadBucketsKeepsEveryCorrection) {
    const ProfileTable counts = table({{0, 90}, {2, 10}, {3, 20}, {4, 25}, {7, 30}, {9, 5}});
    const ProfileTable scores = table({{0, 9}, {2, 4}, {3, 5}, {4, 10}, {7, 3}, {9, 1}});
    ProfileTable keptCounts = counts;
    ProfileTable keptScores = scores;
    dropUnusedBuckets(keptCounts, keptScores);
    EXPECT_EQ(keptCounts, table({{3, 20}, {4, 25}}));
    EXPECT_EQ(keptScores, table({{3, 5}, {4, 10}}));
    for (int step = 0; step <= 100; ++step) {
        const Likelihood win = of(step / 100.0);
        EXPECT_EQ(profileCorrection(win, counts, scores),
                  profileCorrection(win, keptCounts, keptScores))
            << step;
    }
}

TEST(CallJudgement, DropsTheZerosAndAsksTheEngineAsTheOptionsSay) {
    const Form1 engine;
    const CallJudgement open = judgeCall(engine, "65432", "", {});
    EXPECT_EQ(open.call, "65432");
    EXPECT_EQ(open.fix, "");
    EXPECT_EQ(open.callUp, (Chance{7656})); // throwing all five dice
    EXPECT_EQ(open.win, (Chance{120}));

    // Fix Permanent: the player's fixed dice stay, so only their hold counts.
    const CallJudgement kept = judgeCall(engine, "55332", "5533", {.fixPermanent = true});
    EXPECT_EQ(kept.call, "55332");
    EXPECT_EQ(kept.callUp, (Chance{6480}));
    EXPECT_EQ(kept.win, (Chance{1296}));

    const CallJudgement shortCall = judgeCall(engine, "55200", "5", {});
    EXPECT_EQ(shortCall.call, "552");
    EXPECT_EQ(shortCall.fix, "5");
}

TEST(CallJudgement, WithoutFixPermanentTheComputerMayKeepAnyOfTheFixedDice) {
    const Form1 engine;
    // Keeping the player's 66 is not a must: throwing the 5 of 665 again beats 66 more often.
    const Verdict free = judgeWithoutProfile(engine, "66100", "665", {});
    const Verdict kept = judgeWithoutProfile(engine, "66100", "665", {.fixPermanent = true});
    EXPECT_GT(free.judgement.callUp, kept.judgement.callUp);
}

TEST(CallJudgement, ChallengesWhatNothingBeatsAndTrustsAnEasyCall) {
    const Form1 engine;
    const Verdict aces = judgeWithoutProfile(engine, "11111", "", {});
    EXPECT_EQ(aces.judgement.callUp, (Chance{0}));
    EXPECT_TRUE(aces.challenge);
    EXPECT_FALSE(judgeWithoutProfile(engine, "65432", "", {}).challenge);
}

} // namespace
} // namespace quintel
