#include "opponent/response_figures.h"

#include "model/keep_rules.h"

#include <algorithm>

namespace quintel {

namespace {

solver::CallIndex callPlaceOf(const FaceCounts& call) {
    return call == FaceCounts{} ? -1 : solver::callIndexOf(call);
}

double heldChance(const FaceCounts& dice, const FaceCounts& call) {
    return covers(dice, call) ? 1.0 : 0.0;
}

} // namespace

ResponseFigures::ResponseFigures(std::shared_ptr<const solver::OpponentModel> computer,
                                 RuleOptions options)
    : computer_(std::move(computer)), options_(options), best_(*computer_, options) {}

AnswerChances ResponseFigures::answer(const ComputerCall& seen) const {
    const solver::CallIndex call = callPlaceOf(seen.call);
    if (seen.atOnce && best_.byStage()) {
        // Called at once on the dice the player handed over: true or false for all to see.
        return {best_.positionValue(call, seen.kept, seen.locked),
                1.0 - heldChance(seen.kept, seen.call)};
    }
    if (seen.playerCall == FaceCounts{} && !best_.byStage()) {
        // The classic computer opens with the five dice it threw: its call is its dice.
        return {best_.positionValue(call, seen.call, FaceCounts{}), 0.0};
    }
    const solver::BestResponse::Answers answers =
        best_.answers(callPlaceOf(seen.playerCall), seen.kept);
    const auto at = static_cast<std::size_t>(call);
    const double made = answers.made[at];
    if (made <= 0) {
        return answerUnknown(seen);
    }
    return {answers.trust[at] / made, answers.challenge[at] / made};
}

// A call the computer's play never makes there: the thrown dice weighed by their chance alone.
AnswerChances ResponseFigures::answerUnknown(const ComputerCall& seen) const {
    const solver::FiveDiceSets& sets = solver::FiveDiceSets::get();
    const solver::CallIndex call = callPlaceOf(seen.call);
    AnswerChances chances;
    for (const solver::FiveDiceSets::Outcome& outcome : sets.throwsAround(sets.setOf(seen.kept))) {
        const FaceCounts& dice = sets.counts(outcome.hand);
        chances.trust += outcome.chance * best_.positionValue(call, dice, seen.kept);
        chances.notTrust += outcome.chance * (1.0 - heldChance(dice, seen.call));
    }
    return chances;
}

CoachFigures::Position ResponseFigures::position(const FaceCounts& call, const FaceCounts& hand,
                                                 const FaceCounts& locked) const {
    Position position;
    const std::vector<RankedCall> atOnce = rankedCalls(call, locked, hand, false);
    if (!atOnce.empty()) {
        position.atOnceCall = atOnce.front().call;
        position.atOnce = atOnce.front().chance;
    }
    const solver::FiveDiceSets& sets = solver::FiveDiceSets::get();
    const KeepRange range = keepRange(call, hand, locked, options_);
    for (const int part : sets.partsOf(sets.setOf(hand))) {
        const FaceCounts& kept = sets.counts(part);
        if (!keepAllowed(range, kept)) {
            continue;
        }
        if (const auto value = best_.keepValue(callPlaceOf(call), kept)) {
            position.keeps.push_back({kept, *value});
        }
    }
    std::ranges::stable_sort(position.keeps,
                             [](const Keep& a, const Keep& b) { return a.chance > b.chance; });
    return position;
}

double ResponseFigures::callChance(const FaceCounts& lastCall, const FaceCounts& kept,
                                   const FaceCounts& hand, const FaceCounts& call,
                                   bool threw) const {
    if (threw) {
        return best_.callValuesAfterThrow(callPlaceOf(lastCall), kept,
                                          hand)[static_cast<std::size_t>(callPlaceOf(call))];
    }
    return best_.callValueAtOnce(callPlaceOf(call), kept, hand);
}

std::vector<CoachFigures::RankedCall> ResponseFigures::rankedCalls(const FaceCounts& lastCall,
                                                                   const FaceCounts& kept,
                                                                   const FaceCounts& hand,
                                                                   bool threw) const {
    if (!threw) {
        return CoachFigures::rankedCalls(lastCall, kept, hand, threw);
    }
    const solver::CallIndex last = callPlaceOf(lastCall);
    const std::vector<double> values = best_.callValuesAfterThrow(last, kept, hand);
    std::vector<RankedCall> ranked;
    for (solver::CallIndex call = last + 1; call < solver::callCount(); ++call) {
        ranked.push_back({solver::callCounts(call), values[static_cast<std::size_t>(call)]});
    }
    return sortedBest(std::move(ranked));
}

} // namespace quintel
