#include "solver/best_response.h"

#include "model/keep_rules.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace quintel::solver {

// A computer that answers by stage: its trust depends on the call the player trusted and on
// whether the player threw, so the best call after a throw is chosen stage by stage.
void BestResponse::solveStageLevel(CallIndex level) {
    stagePositions(level);
    stageAnswers(level);
}

// Worked out when a position first may keep `kept`: the computer is asked only about stages the
// rules reach, which the Expert holds solved (any other it would have to solve first).
double BestResponse::keepValue(CallIndex level, int kept) {
    double& value = keepValues_[at(level, kept, sets_.setCount())];
    if (std::isnan(value)) {
        value = stageValue(level, kept, stageTrust(level, kept));
    }
    return value;
}

std::vector<double> BestResponse::stageTrust(CallIndex level, int kept) const {
    std::vector<double> trust = computer_.stageTrust(level, sets_.counts(kept));
    if (trust.size() != static_cast<std::size_t>(calls_)) {
        throw std::logic_error("the computer's trust names " + std::to_string(trust.size()) +
                               " calls, not " + std::to_string(calls_));
    }
    return trust;
}

double BestResponse::stageCall(CallIndex level, int pair, const FaceCounts& dice,
                               const std::vector<double>& trust, CallIndex* choice) const {
    double best = 0.0;
    for (CallIndex call = level + 1; call < calls_; ++call) {
        const double challenged = covers(dice, callCounts(call)) ? 1.0 : 0.0;
        const double trusted = trustedValues_[at(call, pair, sets_.pairCount())];
        const double value =
            challenged + trust[static_cast<std::size_t>(call)] * (trusted - challenged);
        if (value > best || (choice != nullptr && *choice < 0)) {
            best = std::max(best, value);
            if (choice != nullptr) {
                *choice = call;
            }
        }
    }
    return best;
}

double BestResponse::stageValue(CallIndex level, int kept, const std::vector<double>& trust) const {
    double sum = 0.0;
    for (const FiveDiceSets::Outcome& outcome : sets_.throwsAround(kept)) {
        sum += outcome.chance * stageCall(level, sets_.pairOf(kept, outcome.hand),
                                          sets_.counts(outcome.hand), trust, nullptr);
    }
    return sum;
}

// The player who trusted `level`: the better of its best call at once and every allowed keep.
void BestResponse::stagePositions(CallIndex level) {
    for (const int hand : sets_.hands()) {
        const FaceCounts& dice = sets_.counts(hand);
        for (const int locked : sets_.partsOf(hand)) {
            const int pair = sets_.pairOf(locked, hand);
            double most = bestAtOnce_[static_cast<std::size_t>(pair)];
            const KeepRange range =
                keepRange(callCounts(level), dice, sets_.counts(locked), options_);
            for (const int kept : sets_.partsOf(hand)) {
                if (keepAllowed(range, sets_.counts(kept))) {
                    most = std::max(most, keepValue(level, kept));
                }
            }
            positionValues_[at(level, pair, sets_.pairCount())] = most;
        }
    }
}

// What the player wins when the computer, having trusted `level` and taken over `dice`, makes
// `choice`; `answered` keeps the value of each hold already worked out.
double BestResponse::trustedValue(CallIndex level, const FaceCounts& dice, int pair,
                                  const OpponentModel::Choice& choice,
                                  std::vector<double>& answered, Answers& scratch) const {
    if (choice.keep) {
        const int hold = sets_.setOf(*choice.keep);
        double& answer = answered[static_cast<std::size_t>(hold)];
        if (answer < 0.0) {
            computeAnswers(level, hold, scratch);
            answer = scratch.value;
        }
        return answer;
    }
    if (choice.call <= level || choice.call >= calls_) {
        throw std::logic_error("the computer's call at once " + std::to_string(choice.call) +
                               " does not beat " + std::to_string(level));
    }
    // A call at once leaves the fixed dice as they were: the player takes over the same dice
    // with the same dice locked.
    const double challenged = covers(dice, callCounts(choice.call)) ? 0.0 : 1.0;
    return std::max(challenged, positionValues_[at(choice.call, pair, sets_.pairCount())]);
}

// The computer that trusted the player's `level`: what the player wins then, and what its call
// of `level` at once wins.
void BestResponse::stageAnswers(CallIndex level) {
    std::vector<double> answered(static_cast<std::size_t>(sets_.setCount()), -1.0);
    Answers scratch;
    for (const int hand : sets_.hands()) {
        const FaceCounts& dice = sets_.counts(hand);
        const double held = covers(dice, callCounts(level)) ? 1.0 : 0.0;
        const double trust = computer_.trustAtOnce(level, dice);
        for (const int locked : sets_.partsOf(hand)) {
            const int pair = sets_.pairOf(locked, hand);
            // Trusting the strongest call leaves the computer nothing to call.
            double trusted = 1.0;
            if (level + 1 < calls_) {
                trusted = 0.0;
                for (const auto& choice :
                     computer_.choicesFrom(level, dice, sets_.counts(locked))) {
                    trusted +=
                        choice.chance * trustedValue(level, dice, pair, choice, answered, scratch);
                }
            }
            trustedValues_[at(level, pair, sets_.pairCount())] = trusted;
            const double atOnce = held + trust * (trusted - held);
            atOnceValues_[at(level, pair, sets_.pairCount())] = atOnce;
            double& best = bestAtOnce_[static_cast<std::size_t>(pair)];
            best = std::max(best, atOnce);
        }
    }
}

double BestResponse::answeringValue() const {
    Answers answers;
    computeAnswers(-1, sets_.emptySet(), answers);
    return answers.value;
}

CallIndex BestResponse::callAfterThrow(CallIndex last, const FaceCounts& kept,
                                       const FaceCounts& dice) const {
    const int held = sets_.setOf(kept);
    CallIndex chosen = -1;
    stageCall(last, sets_.pairOf(held, sets_.setOf(dice)), dice, stageTrust(last, held), &chosen);
    return chosen;
}

CallIndex BestResponse::callAtOnce(CallIndex last, const FaceCounts& locked,
                                   const FaceCounts& dice) const {
    if (atOnceValues_.empty()) {
        // Without a lock a call at once is answered as a call after a throw of all five dice.
        return call(last, FaceCounts{}, dice);
    }
    return bestAbove(atOnceValues_, last, sets_.pairOf(sets_.setOf(locked), sets_.setOf(dice)));
}

} // namespace quintel::solver
