#include "opponent/classic_opponent.h"

#include "opponent/classic_computer.h"

namespace quintel {

namespace {

using solver::CallIndex;
using solver::FiveDiceSets;

solver::CallIndex indexOf(const ComputerCall& call) {
    return solver::callIndexOf(countFaces(call.dice));
}

std::string callText(CallIndex call) {
    return diceDigits(solver::callDigits(call));
}

} // namespace

ClassicOpponent::ClassicOpponent(RuleOptions options, std::optional<Profile> profile)
    : policy_(options, std::move(profile)),
      candidates_(static_cast<std::size_t>(FiveDiceSets::get().setCount())) {
    for (CallIndex call = 0; call < solver::callCount(); ++call) {
        certain_.push_back({call, 1.0});
    }
}

bool ClassicOpponent::trusts(CallIndex call, const FaceCounts& playerFix) const {
    const FiveDiceSets& sets = FiveDiceSets::get();
    return policy_.trusts(solver::callDigits(call), sets.digits(sets.setOf(playerFix)));
}

FaceCounts ClassicOpponent::keeps(CallIndex call, const FaceCounts& dice,
                                  const FaceCounts& locked) const {
    const FiveDiceSets& sets = FiveDiceSets::get();
    // The locked dice bind the computer's hold only under "Fix Permanent".
    const int fix = policy_.options().fixPermanent ? sets.setOf(locked) : sets.emptySet();
    const auto key = std::make_tuple(call, sets.setOf(dice), fix);
    auto known = holds_.find(key);
    if (known == holds_.end()) {
        const std::string hold =
            policy_.hold(callText(call), sets.digits(sets.setOf(dice)), sets.digits(fix));
        known = holds_.emplace(key, sets.setOf(countFaceDigits(hold))).first;
    }
    return sets.counts(known->second);
}

const ClassicOpponent::Bluffs& ClassicOpponent::bluffs(CallIndex call, int hold) const {
    const auto key = std::make_pair(call, hold);
    auto known = bluffs_.find(key);
    if (known != bluffs_.end()) {
        return known->second;
    }
    CallChances& candidates = candidates_[static_cast<std::size_t>(hold)];
    if (candidates.empty()) {
        candidates = bluffCandidateChances(FiveDiceSets::get().digits(hold));
    }
    Bluffs outcome;
    for (const CallChance& chance :
         bluffOutcomeChances(candidates, solver::callDigits(call),
                             shapeScore(solver::callCounts(call)), ClassicComputer::kBluffBound)) {
        outcome.push_back({indexOf(chance.call), chance.chance});
    }
    return bluffs_.emplace(key, std::move(outcome)).first->second;
}

std::span<const solver::CallChance> ClassicOpponent::calls(CallIndex call, const FaceCounts& hold,
                                                           const FaceCounts& dice) const {
    const FiveDiceSets& sets = FiveDiceSets::get();
    const int held = sets.setOf(hold);
    // A hold of five dice is kept in canonical order, as the search gives it; a bluff built on it
    // drops its last die.
    const std::string holdText = sets.digits(held);
    const std::string diceText = sets.digits(sets.setOf(dice));
    const auto honest = honestAnswer(holdText, diceText, solver::callDigits(call),
                                     shapeScore(solver::callCounts(call)));
    if (honest) {
        return std::span(&certain_[static_cast<std::size_t>(indexOf(*honest))], 1);
    }
    return bluffs(call, held);
}

} // namespace quintel
