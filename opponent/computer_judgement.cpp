#include "opponent/computer_judgement.h"

#include "model/dice.h"
#include "opponent/call_planning.h"
#include "opponent/engine/engine.h"

#include <array>
#include <cmath>
#include <string>

namespace quintel {

namespace {

constexpr int kBuckets = 11;
// Fewer calls than this in the two buckets around a win probability say too little about the
// player to correct it.
constexpr int kProfileMinimum = 41;

// Share of understated calls in a bucket; a bucket without calls has none of its own.
std::optional<double> understatedShare(const ProfileTable& counts, const ProfileTable& scores,
                                       int bucket) {
    const auto i = static_cast<std::size_t>(bucket);
    if (counts[i] == 0) {
        return std::nullopt;
    }
    return static_cast<double>(scores[i]) / counts[i];
}

} // namespace

bool Likelihood::atMost(int numerator, int denominator) const {
    if (outcomes_) {
        return static_cast<long long>(*outcomes_) * denominator <=
               static_cast<long long>(numerator) * kAllOutcomes;
    }
    return value_ <= static_cast<double>(numerator) / denominator;
}

int profileBucket(double winProbability) {
    // nearbyint rounds half to even in the default rounding mode: 2.5 -> 2, 3.5 -> 4.
    const int bucket = static_cast<int>(std::nearbyint(winProbability * 10.0));
    return bucket < 0 ? 0 : (bucket >= kBuckets ? kBuckets - 1 : bucket);
}

std::optional<double> profileCorrection(Likelihood winProbability, const ProfileTable& counts,
                                        const ProfileTable& scores) {
    const double tenfold = winProbability.value() * 10.0;
    const int lower = static_cast<int>(std::floor(tenfold));
    const int upper = lower + 1;
    if (lower < 0 || upper >= kBuckets || winProbability.atMost(1, 10)) {
        return std::nullopt;
    }
    const auto lowerIndex = static_cast<std::size_t>(lower);
    const auto upperIndex = static_cast<std::size_t>(upper);
    if (counts[lowerIndex] + counts[upperIndex] < kProfileMinimum) {
        return std::nullopt;
    }
    const std::optional<double> lowerShare = understatedShare(counts, scores, lower);
    const std::optional<double> upperShare = understatedShare(counts, scores, upper);
    const double a = lowerShare.value_or(upperShare.value_or(0.0));
    const double b = upperShare.value_or(a);
    return 1.0 - (a + (b - a) * (upper - tenfold));
}

void dropUnusedBuckets(ProfileTable& counts, ProfileTable& scores) {
    // A probability of at most 0.1 is never corrected, so the lowest pair is never read.
    std::array<bool, kBuckets> read{};
    for (std::size_t lower = 1; lower + 1 < kBuckets; ++lower) {
        if (counts[lower] + counts[lower + 1] >= kProfileMinimum) {
            read[lower] = true;
            read[lower + 1] = true;
        }
    }
    for (std::size_t bucket = 0; bucket < kBuckets; ++bucket) {
        if (!read[bucket]) {
            counts[bucket] = 0;
            scores[bucket] = 0;
        }
    }
}

bool challengesCall(Likelihood callUp, Likelihood win, int callLevel) {
    const bool noEasyTrust = callUp.atMost(0, 1) || callLevel >= 21 || win.atMost(0, 1);
    const bool noStrongTrust = callUp.atMost(2, 5) || win.atMost(1, 10);
    const bool noLikelyTrust = win.atMost(2, 5) || callUp.atMost(1, 10);
    return noEasyTrust && noStrongTrust && noLikelyTrust;
}

CallJudgement judgeCall(const Form1& engine, std::string_view callString,
                        std::string_view fixString, EngineOptions options) {
    CallJudgement judgement;
    judgement.fix = fixString.substr(0, kDiceCount);
    judgement.call = callString.substr(0, kDiceCount);
    std::erase(judgement.fix, '0');
    std::erase(judgement.call, '0');
    if (options.fixPermanent) {
        // The player's fixed dice stay fixed: the computer can only throw the others.
        judgement.callUp = engine.beatChance(judgement.fix, judgement.call);
    } else {
        judgement.callUp = engine.searchHold(callString, fixString, "", true, options).chance;
    }
    judgement.win = engine.Prob2(judgement.fix, judgement.call);
    return judgement;
}

bool challengesJudgedCall(const CallJudgement& judged, Likelihood win) {
    return challengesJudged(judgedCall(judged), win);
}

JudgedCall judgedCall(const CallJudgement& judged) {
    CallDigits call{};
    for (std::size_t i = 0; i < judged.call.size() && i < call.size(); ++i) {
        call[i] = judged.call[i] - '0';
    }
    const int level = shapeScore(arrangeDice(call));
    // Trusting five aces would leave the computer no call to make. The engine gives them no
    // chance to be beaten, so the rule challenges them too; this does not rest on that.
    return {judged.callUp, judged.win, level, !weakestCallBeating(call, level)};
}

bool challengesJudged(const JudgedCall& judged, Likelihood win) {
    return judged.unbeatable || challengesCall(Likelihood::of(judged.callUp), win, judged.level);
}

Likelihood winAfterProfile(const JudgedCall& judged, const ProfileTable& counts,
                           const ProfileTable& scores) {
    const Likelihood win = Likelihood::of(judged.win);
    const auto corrected = profileCorrection(win, counts, scores);
    return corrected ? Likelihood::fraction(*corrected) : win;
}

Verdict judgeWithoutProfile(const Form1& engine, std::string_view callString,
                            std::string_view fixString, EngineOptions options) {
    Verdict verdict{judgeCall(engine, callString, fixString, options)};
    // With an empty profile the player's one call cannot reach the profile's minimum, so the win
    // probability stands as the engine gives it.
    verdict.challenge =
        challengesJudgedCall(verdict.judgement, Likelihood::of(verdict.judgement.win));
    return verdict;
}

} // namespace quintel
