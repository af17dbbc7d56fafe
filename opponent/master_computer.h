#pragma once

#include "opponent/expert_computer.h"
#include "solver/master_budget.h"
#include "solver/master_policy.h"
#include "solver/player_model.h"

#include <memory>
#include <optional>
#include <vector>

namespace quintel {

// The third computer: the Expert, but where it has seen the player it answers what it believes of
// their play with the Master's safe response (solver::MasterPolicy), risking at most `risk` of a
// game against any player. It learns from each decided game it is told of (MasterLearning); with
// a model that has seen nothing it plays as the Expert does.
class MasterComputer : public ExpertComputer {
public:
    static constexpr double kDefaultRisk = 0.02;

    // Starts from `model` (a model of nobody when null) and learns on from there.
    MasterComputer(std::shared_ptr<const solver::SolvedGame> game, RandomSource& random,
                   match::SeatNotes& notes, std::shared_ptr<solver::PlayerModel> model = nullptr,
                   double risk = kDefaultRisk);

    const solver::PlayerModel& model() const { return *model_; }
    const solver::MasterPolicy& master() const { return *master_; }

    // Counts a game in the model; the next decision answers the model with it. Throws
    // std::invalid_argument, counting nothing, when the observations name no situation.
    void learn(const solver::PlayerObservations& game);

    match::Action decide(const match::SeatView& view) override;

private:
    std::optional<double> ownTrust(int lastCall, int kept, int call) override;
    std::span<const solver::MixedCall> callsAfterThrow(int lastCall, int kept, int thrown) override;

    std::shared_ptr<const solver::SolvedGame> game_;
    std::shared_ptr<solver::PlayerModel> model_;
    double risk_;
    std::optional<solver::MasterPolicy> master_;
    // What it may still risk in the game at hand, and the calls handed out from it.
    std::optional<solver::MasterBudget> budget_;
    std::vector<solver::MixedCall> calls_;
};

} // namespace quintel
