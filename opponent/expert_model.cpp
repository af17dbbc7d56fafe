#include "opponent/expert_model.h"

#include "solver/response_positions.h"

namespace quintel {

ExpertModel::ExpertModel(const ExpertPolicy& policy) : policy_(policy) {
    toPolicy_.resize(static_cast<std::size_t>(solver::callCount()));
    fromPolicy_.resize(static_cast<std::size_t>(policy.tables().callCount()));
    for (solver::CallIndex call = 0; call < solver::callCount(); ++call) {
        const int mine = policy.callOf(solver::callCounts(call));
        toPolicy_[static_cast<std::size_t>(call)] = mine;
        fromPolicy_[static_cast<std::size_t>(mine)] = call;
    }
}

int ExpertModel::toPolicy(solver::CallIndex call) const {
    return call < 0 ? -1 : toPolicy_[static_cast<std::size_t>(call)];
}

solver::CallIndex ExpertModel::fromPolicy(int call) const {
    return fromPolicy_[static_cast<std::size_t>(call)];
}

std::vector<double> ExpertModel::stageTrust(solver::CallIndex lastCall,
                                            const FaceCounts& kept) const {
    std::vector<double> trust(static_cast<std::size_t>(solver::callCount()), 0.0);
    const auto stage = policy_.stageTrust(toPolicy(lastCall), policy_.setOf(kept)).value();
    for (solver::CallIndex call = lastCall + 1; call < solver::callCount(); ++call) {
        trust[static_cast<std::size_t>(call)] =
            stage.trust[static_cast<std::size_t>(toPolicy(call))];
    }
    return trust;
}

double ExpertModel::trustAtOnce(solver::CallIndex call, const FaceCounts& dice) const {
    return policy_.atOnceTrust(toPolicy(call), policy_.setOf(dice));
}

std::optional<FaceCounts> ExpertModel::keepsFrom(solver::CallIndex call, const FaceCounts& dice,
                                                 const FaceCounts& locked) const {
    const auto plan = policy_.plan(toPolicy(call), policy_.setOf(dice), policy_.setOf(locked));
    if (!plan || plan->atOnce) {
        return std::nullopt;
    }
    return policy_.counts(plan->kept);
}

solver::CallIndex ExpertModel::callAtOnce(solver::CallIndex call, const FaceCounts& dice,
                                          const FaceCounts& locked) const {
    const auto plan = policy_.plan(toPolicy(call), policy_.setOf(dice), policy_.setOf(locked));
    return plan && plan->atOnce ? fromPolicy(plan->call) : call + 1;
}

std::span<const solver::CallChance>
ExpertModel::calls(solver::CallIndex call, const FaceCounts& hold, const FaceCounts& dice) const {
    FaceCounts thrown{};
    for (std::size_t face = 1; face < thrown.size(); ++face) {
        thrown[face] = dice[face] - hold[face];
    }
    const int held = policy_.setOf(hold);
    const int threw = policy_.setOf(thrown);
    const auto key = std::make_tuple(call, held, threw);
    auto known = calls_.find(key);
    if (known == calls_.end()) {
        std::vector<solver::CallChance> chances;
        for (const solver::MixedCall& mixed : policy_.callsOf(toPolicy(call), held, threw)) {
            chances.push_back({fromPolicy(mixed.call), mixed.chance});
        }
        if (chances.empty()) {
            chances.push_back({call + 1, 1.0}); // as the seat: the weakest call above
        }
        known = calls_.emplace(key, std::move(chances)).first;
    }
    return known->second;
}

bool ExpertModel::trusts(solver::CallIndex call, const FaceCounts& playerFix) const {
    return stageTrust(-1, playerFix)[static_cast<std::size_t>(call)] >= 0.5;
}

FaceCounts ExpertModel::keeps(solver::CallIndex call, const FaceCounts& dice,
                              const FaceCounts& playerFix) const {
    return keepsFrom(call, dice, playerFix).value_or(dice);
}

} // namespace quintel
