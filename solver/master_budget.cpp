#include "solver/master_budget.h"
#include "model/index.h"

#include "solver/stage_payoffs.h"

#include <algorithm>
#include <utility>

namespace quintel::solver {

void MasterBudget::spend(double risked) {
    pending_ = std::max(0.0, pending_ - std::max(0.0, risked));
}

void MasterBudget::receive(double gift) {
    // Rounding may leave a best decision a hair below itself.
    pending_ += std::max(0.0, gift);
}

std::vector<double> MasterBudget::answer(int lastCall, int kept, int call) {
    std::vector<double> trust = master_->stageTrust(lastCall, kept, pending_);
    const SolvedGame& game = master_->game();
    const StageGame stage(game.tables(), lastCall, kept, game.positionValues());
    const double risked =
        moverBestReply(stage, std::span<const double>(trust).subspan(at(stage.firstCall()))) -
        game.anyStage(lastCall, kept)->value;
    spend(risked);
    answered_ = Answered{lastCall, kept, call, trust};
    called_.reset();
    return trust;
}

void MasterBudget::tookOver(int hand) {
    if (!answered_) {
        return;
    }
    const Answered made = *std::exchange(answered_, std::nullopt);
    const SolvedGame& game = master_->game();
    const DiceSets& sets = game.tables().sets();
    FaceCounts thrown = sets.counts(hand);
    for (std::size_t face = 0; face < thrown.size(); ++face) {
        thrown[face] -= sets.counts(made.kept)[face];
    }
    const StageGame stage(game.tables(), made.lastCall, made.kept, game.positionValues());
    const auto type = game.tables().throwType(made.kept, sets.indexOf(thrown));
    const int message = made.call - stage.firstCall();
    if (!type || message < 0 || message >= stage.messageCount()) {
        return;
    }
    const Payoffs payoffs(stage);
    const std::span<const double> trust =
        std::span<const double>(made.trust).subspan(at(stage.firstCall()));
    double best = 0;
    for (int m = 0; m < payoffs.messages; ++m) {
        best = std::max(best, payoffs.payoff(*type, m, trust[at(m)]));
    }
    receive(best - payoffs.payoff(*type, message, trust[at(message)]));
}

std::vector<MixedCall> MasterBudget::calls(int lastCall, int kept, int thrown) {
    StageStrategy strategy = master_->stageCalls(lastCall, kept, pending_);
    {
        const SolvedGame& game = master_->game();
        const StageGame stage(game.tables(), lastCall, kept, game.positionValues());
        spend(game.anyStage(lastCall, kept)->value - responderBestReply(stage, strategy));
    }
    std::vector<MixedCall> made;
    if (const auto type = master_->game().tables().throwType(kept, thrown)) {
        const auto own = strategy.callsOf(*type);
        made.assign(own.begin(), own.end());
    }
    answered_.reset();
    called_ = Called{lastCall, kept, thrown, std::move(strategy)};
    return made;
}

void MasterBudget::playerTrusted(int call, std::optional<int> kept) {
    if (!called_) {
        return;
    }
    const Called made = *std::exchange(called_, std::nullopt);
    const SolvedGame& game = master_->game();
    const StageGame stage(game.tables(), made.lastCall, made.kept, game.positionValues());
    const int message = call - stage.firstCall();
    if (message < 0 || message >= stage.messageCount()) {
        return;
    }
    // The player's answer, given the call: what a challenge and what trust win them, summed over
    // the Master's throws that make the call.
    double callChance = 0;
    double challenged = 0;
    double trusted = 0;
    for (int t = 0; t < stage.typeCount(); ++t) {
        const auto own = made.strategy.callsOf(t);
        const auto found = std::ranges::find(own, call, &MixedCall::call);
        if (found == own.end()) {
            continue;
        }
        const double weight = stage.chance(t) * found->chance;
        callChance += weight;
        challenged += weight * (1 - stage.challengePayoff(t, message));
        trusted += weight * (1 - stage.trustPayoff(t, message));
    }
    if (callChance > 0) {
        receive((std::max(challenged, trusted) - trusted) / callChance);
    }
    if (!kept) {
        return;
    }
    // The player's position: the Master's dice after its throw, its kept dice locked.
    const int holding = game.tables().holdingAfterThrow(made.kept, made.thrown);
    const auto next = game.anyStage(call, *kept);
    if (next) {
        const auto calls = static_cast<std::size_t>(game.tables().callCount());
        receive(game.positionValues()[at(holding) * calls + at(call)] - next->value);
    }
}

} // namespace quintel::solver
