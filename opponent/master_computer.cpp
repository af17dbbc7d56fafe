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

std::optional<double> MasterComputer::ownTrust(int lastCall, int kept, int call) {
    return master_->stageTrust(lastCall, kept)[static_cast<std::size_t>(call)];
}

std::span<const solver::MixedCall> MasterComputer::callsAfterThrow(int lastCall, int kept,
                                                                   int thrown) {
    return master_->callsOf(lastCall, kept, thrown);
}

} // namespace quintel
