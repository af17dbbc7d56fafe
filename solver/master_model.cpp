#include "solver/master_model.h"

#include "solver/response_positions.h"

#include <stdexcept>

namespace quintel::solver {

// The best response numbers calls and sets of dice as the real game's solve does; the model
// reads one as the other.
MasterModel::MasterModel(const MasterPolicy& master) : master_(master) {
    const GameTables& tables = master.game().tables();
    if (tables.variant() != kRealGame || tables.callCount() != callCount()) {
        throw std::invalid_argument("the best response plays the real game only");
    }
    for (CallIndex call = 0; call < callCount(); ++call) {
        if (tables.sets().counts(tables.callSet(call)) != callCounts(call)) {
            throw std::logic_error("the best response numbers calls otherwise");
        }
    }
}

int MasterModel::setOf(const FaceCounts& dice) const {
    return master_.game().tables().sets().indexOf(dice);
}

std::vector<double> MasterModel::stageTrust(CallIndex lastCall, const FaceCounts& kept) const {
    return master_.stageTrust(lastCall, setOf(kept));
}

double MasterModel::trustAtOnce(CallIndex call, const FaceCounts& dice) const {
    return call + 1 < callCount() && covers(dice, callCounts(call)) ? 1.0 : 0.0;
}

std::optional<std::uint16_t> MasterModel::choice(CallIndex call, const FaceCounts& dice,
                                                 const FaceCounts& locked) const {
    const auto chosen = master_.game().positionChoice(call, setOf(dice), setOf(locked));
    if (!chosen || *chosen == SolvedGame::kNoMove) {
        return std::nullopt;
    }
    return chosen;
}

std::optional<FaceCounts> MasterModel::keepsFrom(CallIndex call, const FaceCounts& dice,
                                                 const FaceCounts& locked) const {
    const auto chosen = choice(call, dice, locked);
    if (!chosen || (*chosen & SolvedGame::kKeepFlag) == 0) {
        return std::nullopt;
    }
    return master_.game().tables().sets().counts(*chosen & ~SolvedGame::kKeepFlag);
}

CallIndex MasterModel::callAtOnce(CallIndex call, const FaceCounts& dice,
                                  const FaceCounts& locked) const {
    const auto chosen = choice(call, dice, locked);
    return chosen && (*chosen & SolvedGame::kKeepFlag) == 0 ? *chosen : call + 1;
}

std::span<const CallChance> MasterModel::calls(CallIndex call, const FaceCounts& hold,
                                               const FaceCounts& dice) const {
    FaceCounts thrown{};
    for (std::size_t face = 1; face < thrown.size(); ++face) {
        thrown[face] = dice[face] - hold[face];
    }
    const auto key = std::make_tuple(call, setOf(hold), setOf(thrown));
    auto known = calls_.find(key);
    if (known == calls_.end()) {
        std::vector<CallChance> chances;
        for (const MixedCall& mixed : master_.callsOf(call, std::get<1>(key), std::get<2>(key))) {
            chances.push_back({mixed.call, mixed.chance});
        }
        if (chances.empty()) {
            chances.push_back({call + 1, 1.0}); // as the seat: the weakest call above
        }
        known = calls_.emplace(key, std::move(chances)).first;
    }
    return known->second;
}

} // namespace quintel::solver
