#include "opponent/master_beliefs.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace quintel {

std::optional<double> believedTrust(const solver::PlayerModel& model, const ExpertPolicy& policy,
                                    const FaceCounts& playerCall, const FaceCounts& kept,
                                    const FaceCounts& call) {
    const int last = policy.callOf(playerCall);
    const int keptSet = policy.setOf(kept);
    const int made = policy.callOf(call);
    if (last < 0 || keptSet < 0 || made <= last) {
        return std::nullopt;
    }
    const std::vector<double> trust = model.trustChances(last, keptSet);
    return trust.at(static_cast<std::size_t>(made - (last + 1)));
}

std::optional<double> believedCall(const solver::PlayerModel& model, const ExpertPolicy& policy,
                                   const FaceCounts& lastCall, const FaceCounts& kept,
                                   const FaceCounts& thrown, const FaceCounts& call) {
    const int last = lastCall == FaceCounts{} ? -1 : policy.callOf(lastCall);
    const int keptSet = policy.setOf(kept);
    const int thrownSet = policy.setOf(thrown);
    const int made = policy.callOf(call);
    if ((lastCall != FaceCounts{} && last < 0) || keptSet < 0 || thrownSet < 0 || made <= last) {
        return std::nullopt;
    }
    // The belief is by the stage's types, the throws of the dice not kept.
    const auto type = policy.tables().throwType(keptSet, thrownSet);
    if (!type) {
        return std::nullopt;
    }
    const auto messages = static_cast<std::size_t>(policy.tables().callCount() - (last + 1));
    const std::vector<double> weights = model.callWeights(last, keptSet);
    const auto row =
        weights.begin() + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(*type) * messages);
    const double ofType = std::accumulate(row, row + static_cast<std::ptrdiff_t>(messages), 0.0);
    if (ofType <= 0) {
        return std::nullopt;
    }
    return row[made - (last + 1)] / ofType;
}

} // namespace quintel
