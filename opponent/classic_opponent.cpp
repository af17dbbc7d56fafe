#include "opponent/classic_opponent.h"

#include "opponent/classic_computer.h"

#include <algorithm>

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
    : policy_(options), profile_(std::move(profile)),
      judged_(static_cast<std::size_t>(solver::callCount() * FiveDiceSets::get().setCount())),
      candidates_(static_cast<std::size_t>(FiveDiceSets::get().setCount())) {
    for (CallIndex call = 0; call < solver::callCount(); ++call) {
        certain_.push_back({call, 1.0});
    }
}

bool ClassicOpponent::trustsUnder(const JudgedCall& judged, const Profile* profile) const {
    const Likelihood win = profile != nullptr
                               ? winAfterProfile(judged, profile->counts, profile->scores)
                               : Likelihood::of(judged.win);
    return !challengesJudged(judged, win);
}

bool ClassicOpponent::trusts(CallIndex call, const FaceCounts& playerFix) const {
    const FiveDiceSets& sets = FiveDiceSets::get();
    const int fix = sets.setOf(playerFix);
    auto& judged =
        judged_[static_cast<std::size_t>(call) * static_cast<std::size_t>(sets.setCount()) +
                static_cast<std::size_t>(fix)];
    if (!judged) {
        judged = policy_.judge(solver::callDigits(call), sets.digits(fix));
    }
    return trustsUnder(*judged, profile_ ? &*profile_ : nullptr);
}

bool ClassicOpponent::trustsAlikeUnder(const Profile& profile) const {
    const Profile* own = profile_ ? &*profile_ : nullptr;
    return std::ranges::all_of(judged_, [&](const std::optional<JudgedCall>& judged) {
        return !judged || trustsUnder(*judged, own) == trustsUnder(*judged, &profile);
    });
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
