#include "solver/opponent_model.h"

#include <numeric>

namespace quintel::solver {

std::vector<double> OpponentModel::stageTrust(CallIndex lastCall, const FaceCounts& kept) const {
    std::vector<double> trust(static_cast<std::size_t>(callCount()), 0.0);
    for (CallIndex call = lastCall + 1; call < callCount(); ++call) {
        trust[static_cast<std::size_t>(call)] = trusts(call, kept) ? 1.0 : 0.0;
    }
    return trust;
}

double OpponentModel::trustAtOnce(CallIndex call, const FaceCounts&) const {
    return trusts(call, FaceCounts{}) ? 1.0 : 0.0;
}

std::optional<FaceCounts> OpponentModel::keepsFrom(CallIndex call, const FaceCounts& dice,
                                                   const FaceCounts& locked) const {
    const FaceCounts hold = keeps(call, dice, locked);
    if (std::accumulate(hold.begin(), hold.end(), 0) == kDiceCount) {
        return std::nullopt;
    }
    return hold;
}

CallIndex OpponentModel::callAtOnce(CallIndex call, const FaceCounts& dice,
                                    const FaceCounts&) const {
    const std::span<const CallChance> answers = calls(call, dice, dice);
    return answers.empty() ? call + 1 : answers.front().call;
}

std::vector<OpponentModel::Choice>
OpponentModel::choicesFrom(CallIndex call, const FaceCounts& dice, const FaceCounts& locked) const {
    if (auto keep = keepsFrom(call, dice, locked)) {
        return {{std::move(keep), -1, 1.0}};
    }
    return {{std::nullopt, callAtOnce(call, dice, locked), 1.0}};
}

bool StageOpponent::trusts(CallIndex call, const FaceCounts& playerFix) const {
    return stageTrust(-1, playerFix)[static_cast<std::size_t>(call)] >= 0.5;
}

FaceCounts StageOpponent::keeps(CallIndex call, const FaceCounts& dice,
                                const FaceCounts& playerFix) const {
    return keepsFrom(call, dice, playerFix).value_or(dice);
}

} // namespace quintel::solver
