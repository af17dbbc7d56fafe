#pragma once

#include "match/match.h"
#include "opponent/master_computer.h"

#include <functional>

namespace quintel {

// The Master learns the player at its table: after each decided game it counts what it saw of the
// player in its model (the player's calls after a throw with the dice they ended with, their
// answers to its calls, their keeps), and tells `learnt`, which may keep the model. A game the
// computer opened, or one lost by a broken rule, teaches nothing.
class MasterLearning : public match::MatchListener {
public:
    using Learnt = std::function<void(const solver::PlayerModel& model)>;

    explicit MasterLearning(MasterComputer& master, Learnt learnt = {})
        : master_(master), learnt_(std::move(learnt)) {}

    void gameDecided(const match::Match& match, const GameOutcome& outcome) override;

private:
    MasterComputer& master_;
    Learnt learnt_;
};

} // namespace quintel
