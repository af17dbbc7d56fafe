#include "opponent/coach_figures.h"

#include "solver/response_positions.h"
#include "solver/stage_game.h"

#include <algorithm>
#include <optional>

namespace quintel {

namespace {

double held(const ExpertPolicy& policy, int hand, int call) {
    return policy.tables().covers(hand, call) ? 1.0 : 0.0;
}

// The player's chance once it trusts `call` on `hand` with `locked`.
double trusting(const ExpertPolicy& policy, int call, int hand, int locked) {
    return policy.game().positionValue(call, hand, locked).value_or(0.0);
}

} // namespace

AnswerChances answerChances(const ExpertPolicy& policy, int playerCall, int kept, int call) {
    const solver::GameTables& tables = policy.tables();
    if (tables.sets().diceIn(kept) == tables.variant().dice) {
        return answerChancesAtOnce(policy, kept, kept, call);
    }
    const solver::StageStrategy* strategy = policy.game().stageStrategy(playerCall, kept);
    const solver::StageGame stage(tables, playerCall, kept, policy.game().positionValues());
    std::vector<double> weights(static_cast<std::size_t>(stage.typeCount()), 0.0);
    for (int type = 0; strategy != nullptr && type < stage.typeCount(); ++type) {
        for (const solver::MixedCall& made : strategy->callsOf(type)) {
            if (made.call == call) {
                weights[static_cast<std::size_t>(type)] = stage.chance(type) * made.chance;
            }
        }
    }
    double total = 0;
    for (const double weight : weights) {
        total += weight;
    }
    if (total <= 0) {
        for (int type = 0; type < stage.typeCount(); ++type) {
            weights[static_cast<std::size_t>(type)] = stage.chance(type);
            total += stage.chance(type);
        }
    }
    AnswerChances chances;
    for (int type = 0; type < stage.typeCount(); ++type) {
        const double weight = weights[static_cast<std::size_t>(type)] / total;
        const int hand = stage.handAfter(type);
        chances.trust += weight * trusting(policy, call, hand, kept);
        chances.notTrust += weight * (1.0 - held(policy, hand, call));
    }
    return chances;
}

AnswerChances answerChancesAtOnce(const ExpertPolicy& policy, int hand, int locked, int call) {
    return {trusting(policy, call, hand, locked), 1.0 - held(policy, hand, call)};
}

PositionChances positionChances(const ExpertPolicy& policy, int call, int hand, int locked) {
    const solver::GameTables& tables = policy.tables();
    PositionChances chances;
    const BestCall atOnce = bestCall(policy, call, locked, hand, false);
    chances.atOnceCall = atOnce.call;
    chances.atOnce = atOnce.chance;
    const int holding = tables.holdingIndex(hand, locked);
    if (holding < 0) {
        return chances;
    }
    for (const int kept : tables.allowedKeeps(call, holding)) {
        if (const auto value = policy.game().stageValue(call, kept)) {
            chances.keeps.push_back({kept, *value});
        }
    }
    std::ranges::stable_sort(chances.keeps, [](const KeepChance& a, const KeepChance& b) {
        return a.chance > b.chance;
    });
    return chances;
}

namespace {

// `trust` holds the chances of trust of the stage after a throw; nothing for a call at once.
double chanceWith(const ExpertPolicy& policy, const std::optional<ExpertPolicy::StageTrust>& stage,
                  bool threw, int kept, int hand, int call) {
    const double covered = held(policy, hand, call);
    if (!threw) {
        // The other seat knows the dice: it trusts a call they hold, and challenges any other.
        return std::min(covered, 1.0 - trusting(policy, call, hand, kept));
    }
    const double trust = stage.value().trust[static_cast<std::size_t>(call)];
    return covered + trust * (1.0 - trusting(policy, call, hand, kept) - covered);
}

std::optional<ExpertPolicy::StageTrust> trustAfter(const ExpertPolicy& policy, int lastCall,
                                                   int kept, bool threw) {
    return threw ? policy.stageTrust(lastCall, kept) : std::nullopt;
}

} // namespace

double callChance(const ExpertPolicy& policy, int lastCall, int kept, int hand, int call,
                  bool threw) {
    return chanceWith(policy, trustAfter(policy, lastCall, kept, threw), threw, kept, hand, call);
}

BestCall bestCall(const ExpertPolicy& policy, int lastCall, int kept, int hand, bool threw) {
    const auto stage = trustAfter(policy, lastCall, kept, threw);
    BestCall best;
    for (int call = lastCall + 1; call < policy.tables().callCount(); ++call) {
        const double chance = chanceWith(policy, stage, threw, kept, hand, call);
        if (best.call < 0 || chance > best.chance) {
            best = {call, chance};
        }
    }
    return best;
}

std::vector<CoachFigures::RankedCall> CoachFigures::rankedCalls(const FaceCounts& lastCall,
                                                                const FaceCounts& kept,
                                                                const FaceCounts& hand,
                                                                bool threw) const {
    const bool opening = lastCall == FaceCounts{};
    const solver::CallIndex last = opening ? -1 : solver::callIndexOf(lastCall);
    std::vector<RankedCall> ranked;
    for (solver::CallIndex call = last + 1; call < solver::callCount(); ++call) {
        const FaceCounts& counts = solver::callCounts(call);
        ranked.push_back({counts, callChance(lastCall, kept, hand, counts, threw)});
    }
    return sortedBest(std::move(ranked));
}

std::vector<CoachFigures::RankedCall> CoachFigures::sortedBest(std::vector<RankedCall> ranked) {
    std::ranges::stable_sort(
        ranked, [](const RankedCall& a, const RankedCall& b) { return a.chance > b.chance; });
    return ranked;
}

std::vector<CoachFigures::RankedCall> EquilibriumFigures::rankedCalls(const FaceCounts& lastCall,
                                                                      const FaceCounts& kept,
                                                                      const FaceCounts& hand,
                                                                      bool threw) const {
    const int last = policy_.callOf(lastCall);
    const int keptSet = policy_.setOf(kept);
    const int handSet = policy_.setOf(hand);
    // The stage's chances of trust are worked out once for all the calls.
    const auto stage = trustAfter(policy_, last, keptSet, threw);
    std::vector<RankedCall> ranked;
    for (int call = last + 1; call < policy_.tables().callCount(); ++call) {
        ranked.push_back(
            {policy_.callCounts(call), chanceWith(policy_, stage, threw, keptSet, handSet, call)});
    }
    return sortedBest(std::move(ranked));
}

AnswerChances EquilibriumFigures::answer(const ComputerCall& seen) const {
    const int call = policy_.callOf(seen.call);
    if (seen.atOnce) {
        return answerChancesAtOnce(policy_, policy_.setOf(seen.kept), policy_.setOf(seen.locked),
                                   call);
    }
    return answerChances(policy_, policy_.callOf(seen.playerCall), policy_.setOf(seen.kept), call);
}

CoachFigures::Position EquilibriumFigures::position(const FaceCounts& call, const FaceCounts& hand,
                                                    const FaceCounts& locked) const {
    const PositionChances chances =
        positionChances(policy_, policy_.callOf(call), policy_.setOf(hand), policy_.setOf(locked));
    Position position;
    if (chances.atOnceCall >= 0) {
        position.atOnceCall = policy_.callCounts(chances.atOnceCall);
    }
    position.atOnce = chances.atOnce;
    for (const KeepChance& keep : chances.keeps) {
        position.keeps.push_back({policy_.counts(keep.kept), keep.chance});
    }
    return position;
}

double EquilibriumFigures::callChance(const FaceCounts& lastCall, const FaceCounts& kept,
                                      const FaceCounts& hand, const FaceCounts& call,
                                      bool threw) const {
    return quintel::callChance(policy_, policy_.callOf(lastCall), policy_.setOf(kept),
                               policy_.setOf(hand), policy_.callOf(call), threw);
}

} // namespace quintel
