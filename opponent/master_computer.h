#pragma once

#include "opponent/expert_computer.h"
#include "solver/master_budget.h"
#include "solver/master_policy.h"
#include "solver/player_model.h"

#include <future>
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
    // After how many games it first weighs positions by what they are worth against the player as
    // believed (solver::BelievedValues), and again every kBeliefEvery.
    static constexpr long long kFirstBelief = 50;
    static constexpr long long kBeliefEvery = 100;

    // Starts from `model` (a model of nobody when null) and learns on from there. Each pass that
    // weighs positions by the belief runs in the background and is taken up after the next game
    // where it is done; with `waitForBelief`, after the next game whatever it takes, so that a
    // seeded run plays the same on any machine.
    MasterComputer(std::shared_ptr<const solver::SolvedGame> game, RandomSource& random,
                   match::SeatNotes& notes, std::shared_ptr<solver::PlayerModel> model = nullptr,
                   double risk = kDefaultRisk, bool waitForBelief = false);

    const solver::PlayerModel& model() const { return *model_; }
    const solver::MasterPolicy& master() const { return *master_; }

    // Counts a game in the model; the next decision answers the model with it. Throws
    // std::invalid_argument, counting nothing, when the observations name no situation.
    void learn(const solver::PlayerObservations& game);

    match::Action decide(const match::SeatView& view) override;

private:
    void startBelieving();
    std::optional<double> ownTrust(int lastCall, int kept, int call) override;
    std::span<const solver::MixedCall> callsAfterThrow(int lastCall, int kept, int thrown) override;

    std::shared_ptr<const solver::SolvedGame> game_;
    std::shared_ptr<solver::PlayerModel> model_;
    double risk_;
    bool waitForBelief_;
    // What the positions are worth against the player as the model believed them a few games
    // ago, and the pass working them out anew in the background.
    std::shared_ptr<const solver::BelievedValues> believed_;
    std::future<solver::BelievedValues> believing_;
    std::optional<solver::MasterPolicy> master_;
    // What it may still risk in the game at hand, and the calls handed out from it.
    std::optional<solver::MasterBudget> budget_;
    std::vector<solver::MixedCall> calls_;
};

} // namespace quintel
