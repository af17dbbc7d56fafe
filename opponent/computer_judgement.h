#pragma once

#include "opponent/engine/chance.h"
#include "opponent/engine/engine_options.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quintel {

class Form1;

using ProfileTable = std::array<int, 11>;

// A probability as the computer compares it with its thresholds. An engine chance counts throws,
// so "at most 0.4" is decided on whole numbers and a tie is a real tie; a win probability that the
// profile has corrected is a plain fraction.
class Likelihood {
public:
    static Likelihood of(Chance chance) { return Likelihood(chance.value(), chance.outcomes); }
    static Likelihood fraction(double value) { return Likelihood(value, std::nullopt); }

    double value() const { return value_; }
    // value <= numerator / denominator.
    bool atMost(int numerator, int denominator) const;

private:
    Likelihood(double value, std::optional<int> outcomes) : value_(value), outcomes_(outcomes) {}
    double value_;
    std::optional<int> outcomes_;
};

// The profile bucket of a win probability: ten times it, rounded half to even, within 0..10.
int profileBucket(double winProbability);

// The win probability after the player's profile, or nothing when the profile does not apply:
// fewer than 41 calls in the two buckets around it, a probability of at most 0.1, or a probability
// of 1, which has no bucket above it. A bucket without calls borrows the share of the other.
std::optional<double> profileCorrection(Likelihood winProbability, const ProfileTable& counts,
                                        const ProfileTable& scores);

// Clears the buckets that no correction reads: each lies only beside buckets with which it holds
// fewer than the calls a correction needs. The corrections stay as they were.
void dropUnusedBuckets(ProfileTable& counts, ProfileTable& scores);

// Whether the computer challenges a call that it can beat with probability `callUp`, that is true
// with probability `win`, and whose shape score is `callLevel`.
bool challengesCall(Likelihood callUp, Likelihood win, int callLevel);

// The two engine figures for the player's call, before the profile.
struct CallJudgement {
    std::string fix;  // the player's fixed dice, zeros removed
    std::string call; // the player's call, zeros removed
    Chance callUp;    // P: the computer can beat the call
    Chance win;       // W: the call is true, given the fixed dice
};

// `callString` is the call as the dialog hands it over (five digits, zeros for empty places),
// `fixString` the player's fixed dice.
CallJudgement judgeCall(const Form1& engine, std::string_view callString,
                        std::string_view fixString, EngineOptions options);

// Whether the computer challenges the judged call, `win` being its win probability after the
// profile. A call nothing can beat (five aces) leaves no answer but the challenge.
bool challengesJudgedCall(const CallJudgement& judged, Likelihood win);

// What the challenge of a judged call rests on, without its texts.
struct JudgedCall {
    Chance callUp;
    Chance win;
    int level = 0;           // the call's shape score
    bool unbeatable = false; // nothing beats the call
};
JudgedCall judgedCall(const CallJudgement& judged);
// As challengesJudgedCall.
bool challengesJudged(const JudgedCall& judged, Likelihood win);
// The judged call's win probability after the profile of `counts` and `scores`.
Likelihood winAfterProfile(const JudgedCall& judged, const ProfileTable& counts,
                           const ProfileTable& scores);

// The judgement of a call for a player without a profile: what the engine console's judge
// answers.
struct Verdict {
    CallJudgement judgement;
    bool challenge = false;
};

Verdict judgeWithoutProfile(const Form1& engine, std::string_view callString,
                            std::string_view fixString, EngineOptions options);

} // namespace quintel
