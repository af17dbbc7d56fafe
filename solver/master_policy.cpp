#include "solver/master_policy.h"

#include "solver/safe_response.h"

#include <algorithm>
#include <optional>

namespace quintel::solver {

MasterPolicy::MasterPolicy(std::shared_ptr<const SolvedGame> game,
                           std::shared_ptr<const PlayerModel> model, Settings settings,
                           std::shared_ptr<const BelievedValues> believed)
    : game_(std::move(game)), model_(std::move(model)), settings_(settings),
      believed_(std::move(believed)) {}

double MasterPolicy::budget() const {
    return settings_.risk * static_cast<double>(model_->visits()) /
           (static_cast<double>(model_->visits()) + kConfidentVisits);
}

double MasterPolicy::allowance(int lastCall) const {
    const auto visits = model_->visitsByLevel()[static_cast<std::size_t>(lastCall + 1)];
    return settings_.risk * visits / (static_cast<double>(model_->visits()) + kConfidentVisits);
}

const std::vector<double>& MasterPolicy::stageTrust(int lastCall, int kept) const {
    const auto known = trust_.find({lastCall, kept});
    if (known != trust_.end()) {
        return known->second;
    }
    return trust_
        .emplace(std::pair{lastCall, kept}, trustWithin(lastCall, kept, allowance(lastCall), false))
        .first->second;
}

std::vector<double> MasterPolicy::stageTrust(int lastCall, int kept, double allowance) const {
    return trustWithin(lastCall, kept, allowance, allowance > 0 && model_->games() > 0);
}

StageStrategy MasterPolicy::stageCalls(int lastCall, int kept, double allowance) const {
    return callsWithin(lastCall, kept, allowance, allowance > 0 && model_->games() > 0);
}

std::vector<double> MasterPolicy::trustWithin(int lastCall, int kept, double allowance,
                                              bool unseenToo) const {
    const GameTables& tables = game_->tables();
    const StageGame stage(tables, lastCall, kept, game_->positionValues());
    const auto solved = game_->anyStage(lastCall, kept).value();
    std::vector<double> messages = fullTrust(stage, *solved.strategy);
    if (unseenToo || model_->sawCallsIn(lastCall, kept)) {
        std::optional<StageGame> believed;
        if (believed_) {
            believed.emplace(tables, lastCall, kept, believed_->computerMoving);
        }
        messages = safeTrust(stage, model_->callWeights(lastCall, kept), *solved.strategy,
                             solved.value, allowance, believed ? &*believed : nullptr);
        ++answered_;
    }
    std::vector<double> trust(static_cast<std::size_t>(tables.callCount()), 0.0);
    std::ranges::copy(messages, trust.begin() + stage.firstCall());
    trust.back() = 0.0; // trusting the strongest call would leave nothing to call
    return trust;
}

const StageStrategy& MasterPolicy::stageCalls(int lastCall, int kept) const {
    const auto known = calls_.find({lastCall, kept});
    if (known != calls_.end()) {
        return known->second;
    }
    return calls_
        .emplace(std::pair{lastCall, kept}, callsWithin(lastCall, kept, allowance(lastCall), false))
        .first->second;
}

StageStrategy MasterPolicy::callsWithin(int lastCall, int kept, double allowance,
                                        bool unseenToo) const {
    const auto solved = game_->anyStage(lastCall, kept).value();
    if (!unseenToo && !model_->sawAnswersIn(lastCall, kept)) {
        return *solved.strategy;
    }
    ++answered_;
    const StageGame stage(game_->tables(), lastCall, kept, game_->positionValues());
    std::optional<StageGame> believed;
    if (believed_) {
        believed.emplace(game_->tables(), lastCall, kept, believed_->playerMoving);
    }
    return safeCalls(stage, model_->trustChances(lastCall, kept), *solved.strategy, solved.value,
                     allowance, believed ? &*believed : nullptr);
}

std::span<const MixedCall> MasterPolicy::callsOf(int lastCall, int kept, int thrown) const {
    const auto type = game_->tables().throwType(kept, thrown);
    if (!type) {
        return {};
    }
    return stageCalls(lastCall, kept).callsOf(*type);
}

} // namespace quintel::solver
