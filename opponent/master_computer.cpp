#include "opponent/master_computer.h"

#include <utility>

namespace quintel {

MasterComputer::MasterComputer(std::shared_ptr<const solver::SolvedGame> game, RandomSource& random,
                               match::SeatNotes& notes, std::shared_ptr<solver::PlayerModel> model,
                               double risk)
    : ExpertComputer(game, random, notes, "MASTER AI"), game_(std::move(game)),
      model_(model ? std::move(model) : std::make_shared<solver::PlayerModel>(game_)), risk_(risk) {
    master_.emplace(game_, model_, solver::MasterPolicy::Settings{risk_});
}

void MasterComputer::learn(const solver::PlayerObservations& game) {
    model_->add(game);
    // The answers worked out so far were for the model before this game; a new policy works each
    // stage out again when it is next met.
    master_.emplace(game_, model_, solver::MasterPolicy::Settings{risk_});
}

match::Action MasterComputer::decide(const match::SeatView& view) {
    const bool opening = view.phase == match::Phase::Opening ||
                         (view.phase == match::Phase::Answer && view.calls.size() == 1);
    if (opening || !budget_) {
        budget_.emplace(*master_);
    }
    if (view.phase == match::Phase::Answer && !opening && view.ownLastCall) {
        const ExpertPolicy& expert = policy();
        budget_->playerTrusted(expert.callOf(view.ownLastCall->counts()),
                               view.callerThrew
                                   ? std::optional(expert.setOf(view.callerFixed.counts()))
                                   : std::nullopt);
    } else if (view.phase == match::Phase::Trusted && view.dice) {
        budget_->tookOver(policy().setOf(view.dice->counts()));
    }
    return ExpertComputer::decide(view);
}

std::optional<double> MasterComputer::ownTrust(int lastCall, int kept, int call) {
    return budget_->answer(lastCall, kept, call)[static_cast<std::size_t>(call)];
}

std::span<const solver::MixedCall> MasterComputer::callsAfterThrow(int lastCall, int kept,
                                                                   int thrown) {
    calls_ = budget_->calls(lastCall, kept, thrown);
    return calls_;
}

} // namespace quintel
