#include "opponent/expert_policy.h"

#include "solver/stage_game.h"

#include <algorithm>
#include <utility>

namespace quintel {

ExpertPolicy::ExpertPolicy(std::shared_ptr<const solver::SolvedGame> game)
    : game_(std::move(game)) {}

int ExpertPolicy::setOf(const FaceCounts& dice) const {
    return tables().sets().indexOf(dice);
}

int ExpertPolicy::callOf(const FaceCounts& dice) const {
    const int set = setOf(dice);
    return set < 0 ? -1 : tables().callOfSet(set);
}

const FaceCounts& ExpertPolicy::counts(int set) const {
    return tables().sets().counts(set);
}

FaceCounts ExpertPolicy::callCounts(int call) const {
    return counts(tables().callSet(call));
}

std::string ExpertPolicy::callText(int call) const {
    return diceDigits(solver::callDigits(callCounts(call)));
}

std::optional<ExpertPolicy::StageTrust> ExpertPolicy::stageTrust(int lastCall, int kept) const {
    const auto solved = game_->anyStage(lastCall, kept);
    if (!solved) {
        return std::nullopt;
    }
    const solver::StageGame stage(tables(), lastCall, kept, game_->positionValues());
    const std::vector<double> messages = solver::fullTrust(stage, *solved->strategy);
    StageTrust found{std::vector<double>(static_cast<std::size_t>(tables().callCount()), 0.0),
                     solved->value};
    std::ranges::copy(messages, found.trust.begin() + stage.firstCall());
    found.trust.back() = 0.0;
    return found;
}

double ExpertPolicy::atOnceTrust(int call, int hand) const {
    return call + 1 < tables().callCount() && tables().covers(hand, call) ? 1.0 : 0.0;
}

std::optional<ExpertPolicy::Plan> ExpertPolicy::plan(int call, int hand, int locked) const {
    const auto choice = game_->positionChoice(call, hand, locked);
    if (!choice || *choice == solver::SolvedGame::kNoMove) {
        return std::nullopt;
    }
    Plan planned;
    planned.value = *game_->positionValue(call, hand, locked);
    if ((*choice & solver::SolvedGame::kKeepFlag) != 0) {
        planned.kept = *choice & ~solver::SolvedGame::kKeepFlag;
    } else {
        planned.atOnce = true;
        planned.call = *choice;
    }
    return planned;
}

std::span<const solver::MixedCall> ExpertPolicy::callsOf(int lastCall, int kept, int thrown) const {
    const auto solved = game_->anyStage(lastCall, kept);
    if (!solved) {
        return {};
    }
    const auto type = tables().throwType(kept, thrown);
    if (!type) {
        return {};
    }
    return solved->strategy->callsOf(*type);
}

int ExpertPolicy::sampleCall(std::span<const solver::MixedCall> calls, double r) {
    for (const solver::MixedCall& mixed : calls) {
        if (r < mixed.chance) {
            return mixed.call;
        }
        r -= mixed.chance;
    }
    return calls.empty() ? -1 : calls.back().call;
}

} // namespace quintel
