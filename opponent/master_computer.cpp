#include "opponent/master_computer.h"

#include <chrono>
#include <utility>

namespace quintel {

MasterComputer::MasterComputer(std::shared_ptr<const solver::SolvedGame> game, RandomSource& random,
                               match::SeatNotes& notes, std::shared_ptr<solver::PlayerModel> model,
                               double risk, bool waitForBelief)
    : ExpertComputer(game, random, notes, "MASTER AI"), game_(std::move(game)),
      model_(model ? std::move(model) : std::make_shared<solver::PlayerModel>(game_)), risk_(risk),
      waitForBelief_(waitForBelief) {
    master_.emplace(game_, model_, solver::MasterPolicy::Settings{risk_});
}

void MasterComputer::learn(const solver::PlayerObservations& game) {
    model_->add(game);
    // A pass started after an earlier game is taken up once it is done, or at once, waiting for
    // it, when seeded play must not depend on how fast the machine is.
    if (believing_.valid() && (waitForBelief_ || believing_.wait_for(std::chrono::seconds(0)) ==
                                                     std::future_status::ready)) {
        believed_ = std::make_shared<const solver::BelievedValues>(believing_.get());
    }
    const auto games = model_->games();
    // A model kept from earlier play is weighed after the first game at the table.
    if (!believing_.valid() && (games == kFirstBelief || games % kBeliefEvery == 0 ||
                                (!believed_ && games > kFirstBelief))) {
        startBelieving();
    }
    // The answers worked out so far were for the model before this game; a new policy works each
    // stage out again when it is next met.
    master_.emplace(game_, model_, solver::MasterPolicy::Settings{risk_}, believed_);
}

void MasterComputer::startBelieving() {
    // A pass takes some seconds: it works on a copy of the model while play goes on.
    believing_ =
        std::async(std::launch::async, [model = *model_] { return solver::believedValues(model); });
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
