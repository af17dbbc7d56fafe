#include "solver/best_response.h"

#include "model/keep_rules.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

namespace quintel::solver {

namespace {

bool holds(const FaceCounts& dice, CallIndex call) {
    return covers(dice, callCounts(call));
}

} // namespace

BestResponse::BestResponse(const OpponentModel& computer, RuleOptions options)
    : computer_(computer), options_(options), sets_(FiveDiceSets::get()), calls_(callCount()) {
    const auto pairs = static_cast<std::size_t>(sets_.pairCount());
    const auto calls = static_cast<std::size_t>(calls_);
    callValues_.assign(calls * pairs, 0.0);
    positionValues_.assign(calls * pairs, 0.0);
    keepValues_.assign(calls * static_cast<std::size_t>(sets_.setCount()), 0.0);

    if (computer.answersByStage()) {
        byStage_ = true;
        std::ranges::fill(keepValues_, std::numeric_limits<double>::quiet_NaN());
        trustedValues_.assign(calls * pairs, 0.0);
        atOnceValues_.assign(calls * pairs, 0.0);
        bestAtOnce_.assign(pairs, 0.0);
        for (CallIndex level = calls_ - 1; level >= 0; --level) {
            solveStageLevel(level);
        }
        value_ = stageValue(-1, sets_.emptySet(), stageTrust(-1, sets_.emptySet()));
        return;
    }
    // best[pair (fix, dice)]: the most that a call above the level in hand wins. With no call
    // left, the player who must call has lost.
    std::vector<double> best(pairs, 0.0);
    if (options_.fixPermanent) {
        // A call at once leaves the fixed dice locked for the computer's hold.
        atOnceValues_.assign(calls * pairs, 0.0);
        bestAtOnce_.assign(pairs, 0.0);
    }
    for (CallIndex level = calls_ - 1; level >= 0; --level) {
        solveLevel(level, best);
    }
    const int none = sets_.emptySet();
    for (const int hand : sets_.hands()) {
        value_ += sets_.handChance(hand) * best[static_cast<std::size_t>(sets_.pairOf(none, hand))];
    }
}

// Everything at the call `level`: first the positions of a player who has trusted it (they call
// above it), then the player's own call of it, which the calls above it answer.
void BestResponse::solveLevel(CallIndex level, std::vector<double>& best) {
    const int setCount = sets_.setCount();
    for (int kept = 0; kept < setCount; ++kept) {
        double sum = 0.0;
        for (const FiveDiceSets::Outcome& outcome : sets_.throwsAround(kept)) {
            sum +=
                outcome.chance * best[static_cast<std::size_t>(sets_.pairOf(kept, outcome.hand))];
        }
        keepValues_[at(level, kept, setCount)] = sum;
    }
    for (const int hand : sets_.hands()) {
        for (const int locked : sets_.partsOf(hand)) {
            positionValues_[at(level, sets_.pairOf(locked, hand), sets_.pairCount())] =
                keepOrCall(level, hand, locked, best);
        }
    }

    std::vector<signed char> trusted(static_cast<std::size_t>(setCount), -1);
    std::vector<double> answered(static_cast<std::size_t>(setCount), -1.0);
    Answers scratch;
    for (const int hand : sets_.hands()) {
        const FaceCounts& dice = sets_.counts(hand);
        for (const int fix : sets_.partsOf(hand)) {
            signed char& trust = trusted[static_cast<std::size_t>(fix)];
            if (trust < 0) {
                trust = computer_.trusts(level, sets_.counts(fix)) ? 1 : 0;
            }
            double value = holds(dice, level) ? 1.0 : 0.0;
            if (trust == 1) {
                const int hold = sets_.setOf(computer_.keeps(level, dice, sets_.counts(fix)));
                double& answer = answered[static_cast<std::size_t>(hold)];
                if (answer < 0.0) {
                    computeAnswers(level, hold, scratch);
                    answer = scratch.value;
                }
                value = answer;
            }
            const int pair = sets_.pairOf(fix, hand);
            callValues_[at(level, pair, sets_.pairCount())] = value;
            double& most = best[static_cast<std::size_t>(pair)];
            most = std::max(most, value);
        }
    }
    if (!atOnceValues_.empty()) {
        solveAtOnceCalls(level, answered, scratch);
    }
}

// The player's call of `level` made at once on each hand with each set of locked dice: the
// computer judges it as a call without a throw, and keeps what the lock leaves it.
void BestResponse::solveAtOnceCalls(CallIndex level, std::vector<double>& answered,
                                    Answers& scratch) {
    const bool trust = computer_.trusts(level, FaceCounts{});
    for (const int hand : sets_.hands()) {
        const FaceCounts& dice = sets_.counts(hand);
        for (const int locked : sets_.partsOf(hand)) {
            double value = holds(dice, level) ? 1.0 : 0.0;
            if (trust) {
                const int hold = sets_.setOf(computer_.keeps(level, dice, sets_.counts(locked)));
                double& answer = answered[static_cast<std::size_t>(hold)];
                if (answer < 0.0) {
                    computeAnswers(level, hold, scratch);
                    answer = scratch.value;
                }
                value = answer;
            }
            const int pair = sets_.pairOf(locked, hand);
            atOnceValues_[at(level, pair, sets_.pairCount())] = value;
            double& most = bestAtOnce_[static_cast<std::size_t>(pair)];
            most = std::max(most, value);
        }
    }
}

double BestResponse::keepOrCall(CallIndex last, int dice, int locked,
                                const std::vector<double>& best) const {
    const int none = sets_.emptySet();
    // Called at once, the call is judged as one made without a throw, and what is locked stays
    // locked.
    double most = bestAtOnce_.empty()
                      ? best[static_cast<std::size_t>(sets_.pairOf(none, dice))]
                      : bestAtOnce_[static_cast<std::size_t>(sets_.pairOf(locked, dice))];
    const KeepRange range =
        keepRange(callCounts(last), sets_.counts(dice), sets_.counts(locked), options_);
    for (const int kept : sets_.partsOf(dice)) {
        if (keepAllowed(range, sets_.counts(kept))) {
            most = std::max(most, keepValues_[at(last, kept, sets_.setCount())]);
        }
    }
    return most;
}

void BestResponse::computeAnswers(CallIndex playerCall, int hold, Answers& into) const {
    into.challenge.assign(static_cast<std::size_t>(calls_), 0.0);
    into.trust.assign(static_cast<std::size_t>(calls_), 0.0);
    into.made.assign(static_cast<std::size_t>(calls_), 0.0);
    const FaceCounts& kept = sets_.counts(hold);
    for (const FiveDiceSets::Outcome& outcome : sets_.throwsAround(hold)) {
        const FaceCounts& dice = sets_.counts(outcome.hand);
        const int pair = sets_.pairOf(hold, outcome.hand);
        for (const CallChance& answer : computer_.calls(playerCall, kept, dice)) {
            if (answer.call <= playerCall) {
                throw std::logic_error("the computer's call " + std::to_string(answer.call) +
                                       " does not beat " + std::to_string(playerCall));
            }
            const double chance = outcome.chance * answer.chance;
            const auto call = static_cast<std::size_t>(answer.call);
            into.made[call] += chance;
            if (!holds(dice, answer.call)) {
                into.challenge[call] += chance;
            }
            into.trust[call] += chance * positionValues_[at(answer.call, pair, sets_.pairCount())];
        }
    }
    into.value = 0.0;
    for (std::size_t call = 0; call < into.trust.size(); ++call) {
        into.value += std::max(into.challenge[call], into.trust[call]);
    }
}

BestResponse::Answers BestResponse::answers(CallIndex playerCall, const FaceCounts& hold) const {
    Answers answers;
    computeAnswers(playerCall, sets_.setOf(hold), answers);
    return answers;
}

CallIndex BestResponse::call(CallIndex last, const FaceCounts& fix, const FaceCounts& dice) const {
    return bestAbove(callValues_, last, sets_.pairOf(sets_.setOf(fix), sets_.setOf(dice)));
}

CallIndex BestResponse::bestAbove(const std::vector<double>& values, CallIndex last,
                                  int pair) const {
    CallIndex chosen = -1;
    double most = -1.0;
    for (CallIndex call = last + 1; call < calls_; ++call) {
        const double value = values[at(call, pair, sets_.pairCount())];
        if (value > most) {
            most = value;
            chosen = call;
        }
    }
    return chosen;
}

double BestResponse::mostAbove(const std::vector<double>& values, CallIndex last, int pair) const {
    const CallIndex call = bestAbove(values, last, pair);
    return call < 0 ? 0.0 : values[at(call, pair, sets_.pairCount())];
}

CallIndex BestResponse::openingCall(const FaceCounts& dice) const {
    return call(-1, FaceCounts{}, dice);
}

bool BestResponse::trusts(CallIndex playerCall, const FaceCounts& computerHold,
                          CallIndex computerCall) const {
    if (byStage_ && sets_.size(sets_.setOf(computerHold)) == kDiceCount) {
        // Called at once on the dice the player handed over: true or false for all to see.
        return holds(computerHold, computerCall);
    }
    const Answers found = answers(playerCall, computerHold);
    const auto call = static_cast<std::size_t>(computerCall);
    return found.trust[call] > found.challenge[call];
}

std::optional<FaceCounts> BestResponse::keep(CallIndex last, const FaceCounts& dice,
                                             const FaceCounts& locked) const {
    const int hand = sets_.setOf(dice);
    // The best call at once: by stage, on the dice as they are locked; otherwise the computer
    // cannot tell it from a throw of all five.
    double most = !atOnceValues_.empty()
                      ? mostAbove(atOnceValues_, last, sets_.pairOf(sets_.setOf(locked), hand))
                      : mostAbove(callValues_, last, sets_.pairOf(sets_.emptySet(), hand));
    std::optional<FaceCounts> chosen;
    const KeepRange range = keepRange(callCounts(last), dice, locked, options_);
    for (const int kept : sets_.partsOf(hand)) {
        if (!keepAllowed(range, sets_.counts(kept))) {
            continue;
        }
        const double value = keepValues_[at(last, kept, sets_.setCount())];
        if (value > most) {
            most = value;
            chosen = sets_.counts(kept);
        }
    }
    return chosen;
}

double BestResponse::positionValue(CallIndex last, const FaceCounts& dice,
                                   const FaceCounts& locked) const {
    const int pair = sets_.pairOf(sets_.setOf(locked), sets_.setOf(dice));
    return positionValues_[at(last, pair, sets_.pairCount())];
}

double BestResponse::valueWhenTrusted(CallIndex last, const FaceCounts& dice,
                                      const FaceCounts& locked) const {
    const int pair = sets_.pairOf(sets_.setOf(locked), sets_.setOf(dice));
    return trustedValues_.at(at(last, pair, sets_.pairCount()));
}

double BestResponse::callValue(CallIndex call, const FaceCounts& fix,
                               const FaceCounts& dice) const {
    const int pair = sets_.pairOf(sets_.setOf(fix), sets_.setOf(dice));
    return callValues_[at(call, pair, sets_.pairCount())];
}

std::optional<double> BestResponse::keepValue(CallIndex last, const FaceCounts& kept) const {
    const double value = keepValues_[at(last, sets_.setOf(kept), sets_.setCount())];
    return std::isnan(value) ? std::nullopt : std::optional(value);
}

std::vector<double> BestResponse::callValuesAfterThrow(CallIndex last, const FaceCounts& kept,
                                                       const FaceCounts& dice) const {
    const int pair = sets_.pairOf(sets_.setOf(kept), sets_.setOf(dice));
    std::vector<double> values(static_cast<std::size_t>(calls_), 0.0);
    // A computer that answers by call alone judges a call by the kept dice only.
    const std::vector<double> trust =
        byStage_ ? stageTrust(last, sets_.setOf(kept)) : std::vector<double>{};
    for (CallIndex call = last + 1; call < calls_; ++call) {
        const std::size_t place = at(call, pair, sets_.pairCount());
        double& value = values[static_cast<std::size_t>(call)];
        if (!byStage_) {
            value = callValues_[place];
            continue;
        }
        const double challenged = holds(dice, call) ? 1.0 : 0.0;
        value = challenged +
                trust[static_cast<std::size_t>(call)] * (trustedValues_[place] - challenged);
    }
    return values;
}

double BestResponse::callValueAtOnce(CallIndex call, const FaceCounts& locked,
                                     const FaceCounts& dice) const {
    if (atOnceValues_.empty()) {
        // Without a lock a call at once is answered as a call after a throw of all five dice.
        return callValue(call, FaceCounts{}, dice);
    }
    const int pair = sets_.pairOf(sets_.setOf(locked), sets_.setOf(dice));
    return atOnceValues_[at(call, pair, sets_.pairCount())];
}

} // namespace quintel::solver
