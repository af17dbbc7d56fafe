#include "solver/modelled_player.h"

#include "solver/response_positions.h"

#include <algorithm>
#include <stdexcept>

namespace quintel::solver {

ModelledPlayer::ModelledPlayer(const PlayerModel& model) : model_(model) {
    const GameTables& tables = model.tables();
    if (tables.variant() != kRealGame || tables.callCount() != callCount()) {
        throw std::invalid_argument("the best response plays the real game only");
    }
}

int ModelledPlayer::setOf(const FaceCounts& dice) const {
    return model_.tables().sets().indexOf(dice);
}

std::vector<double> ModelledPlayer::stageTrust(CallIndex lastCall, const FaceCounts& kept) const {
    const std::vector<double> messages = model_.trustChances(lastCall, setOf(kept));
    std::vector<double> trust(static_cast<std::size_t>(callCount()), 0.0);
    std::ranges::copy(messages, trust.begin() + lastCall + 1);
    return trust;
}

double ModelledPlayer::trustAtOnce(CallIndex call, const FaceCounts& dice) const {
    return call + 1 < callCount() && covers(dice, callCounts(call)) ? 1.0 : 0.0;
}

std::vector<OpponentModel::Choice> ModelledPlayer::choicesFrom(CallIndex call,
                                                               const FaceCounts& dice,
                                                               const FaceCounts& locked) const {
    std::vector<Choice> found;
    for (const PlayerModel::Choice& choice : model_.choices(call, setOf(dice), setOf(locked))) {
        if ((choice.choice & SolvedGame::kKeepFlag) != 0) {
            found.push_back({model_.tables().sets().counts(choice.choice & ~SolvedGame::kKeepFlag),
                             -1, choice.chance});
        } else {
            found.push_back({std::nullopt, choice.choice, choice.chance});
        }
    }
    if (found.empty()) {
        found.push_back({std::nullopt, call + 1, 1.0}); // no move: the weakest call above
    }
    return found;
}

OpponentModel::Choice ModelledPlayer::likeliest(CallIndex call, const FaceCounts& dice,
                                                const FaceCounts& locked) const {
    const std::vector<Choice> found = choicesFrom(call, dice, locked);
    return *std::ranges::max_element(found, {}, &Choice::chance);
}

std::optional<FaceCounts> ModelledPlayer::keepsFrom(CallIndex call, const FaceCounts& dice,
                                                    const FaceCounts& locked) const {
    return likeliest(call, dice, locked).keep;
}

CallIndex ModelledPlayer::callAtOnce(CallIndex call, const FaceCounts& dice,
                                     const FaceCounts& locked) const {
    const Choice choice = likeliest(call, dice, locked);
    return choice.keep ? call + 1 : choice.call;
}

std::span<const CallChance> ModelledPlayer::calls(CallIndex call, const FaceCounts& hold,
                                                  const FaceCounts& dice) const {
    const GameTables& tables = model_.tables();
    const int kept = setOf(hold);
    auto known = calls_.find({call, kept});
    if (known == calls_.end()) {
        const StageGame stage(tables, call, kept, model_.game().positionValues());
        const std::vector<double> weights = model_.callWeights(call, kept);
        std::vector<std::vector<CallChance>> byType(static_cast<std::size_t>(stage.typeCount()));
        for (int t = 0; t < stage.typeCount(); ++t) {
            double total = 0;
            for (int m = 0; m < stage.messageCount(); ++m) {
                total += weights[static_cast<std::size_t>(t * stage.messageCount() + m)];
            }
            for (int m = 0; m < stage.messageCount(); ++m) {
                const double w = weights[static_cast<std::size_t>(t * stage.messageCount() + m)];
                if (w > 0) {
                    byType[static_cast<std::size_t>(t)].push_back(
                        {stage.firstCall() + m, w / total});
                }
            }
            if (byType[static_cast<std::size_t>(t)].empty() && stage.messageCount() > 0) {
                byType[static_cast<std::size_t>(t)].push_back({stage.firstCall(), 1.0});
            }
        }
        known = calls_.emplace(std::pair{call, kept}, std::move(byType)).first;
    }
    FaceCounts thrown{};
    for (std::size_t face = 1; face < thrown.size(); ++face) {
        thrown[face] = dice[face] - hold[face];
    }
    const auto type = tables.throwType(kept, tables.sets().indexOf(thrown)).value();
    return known->second[static_cast<std::size_t>(type)];
}

} // namespace quintel::solver
