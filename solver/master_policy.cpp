#include "solver/master_policy.h"

#include "solver/safe_response.h"

#include <algorithm>

namespace quintel::solver {

MasterPolicy::MasterPolicy(std::shared_ptr<const SolvedGame> game,
                           std::shared_ptr<const PlayerModel> model, Settings settings)
    : game_(std::move(game)), model_(std::move(model)), settings_(settings) {}

double MasterPolicy::allowance(int lastCall) const {
    const auto visits = model_->visitsByLevel()[static_cast<std::size_t>(lastCall + 1)];
    return settings_.risk * visits / (static_cast<double>(model_->visits()) + kConfidentVisits);
}

const std::vector<double>& MasterPolicy::stageTrust(int lastCall, int kept) const {
    const auto known = trust_.find({lastCall, kept});
    if (known != trust_.end()) {
        return known->second;
    }
    const GameTables& tables = game_->tables();
    const StageGame stage(tables, lastCall, kept, game_->positionValues());
    const auto solved = game_->anyStage(lastCall, kept).value();
    std::vector<double> messages = fullTrust(stage, *solved.strategy);
    if (model_->sawCallsIn(lastCall, kept)) {
        messages = safeTrust(stage, model_->callWeights(lastCall, kept), *solved.strategy,
                             solved.value, allowance(lastCall));
        ++answered_;
    }
    std::vector<double> trust(static_cast<std::size_t>(tables.callCount()), 0.0);
    std::ranges::copy(messages, trust.begin() + stage.firstCall());
    trust.back() = 0.0; // trusting the strongest call would leave nothing to call
    return trust_.emplace(std::pair{lastCall, kept}, std::move(trust)).first->second;
}

const StageStrategy& MasterPolicy::stageCalls(int lastCall, int kept) const {
    const auto known = calls_.find({lastCall, kept});
    if (known != calls_.end()) {
        return known->second;
    }
    const auto solved = game_->anyStage(lastCall, kept).value();
    StageStrategy strategy = *solved.strategy;
    if (model_->sawAnswersIn(lastCall, kept)) {
        const StageGame stage(game_->tables(), lastCall, kept, game_->positionValues());
        strategy = safeCalls(stage, model_->trustChances(lastCall, kept), strategy, solved.value,
                             allowance(lastCall));
        ++answered_;
    }
    return calls_.emplace(std::pair{lastCall, kept}, std::move(strategy)).first->second;
}

std::span<const MixedCall> MasterPolicy::callsOf(int lastCall, int kept, int thrown) const {
    const DiceSets& sets = game_->tables().sets();
    const auto types = sets.ofSize(game_->variant().dice - sets.diceIn(kept));
    const auto type = std::ranges::find(types, thrown);
    if (type == types.end()) {
        return {};
    }
    return stageCalls(lastCall, kept).callsOf(static_cast<int>(type - types.begin()));
}

} // namespace quintel::solver
