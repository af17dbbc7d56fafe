#pragma once

#include "solver/master_policy.h"

#include <optional>
#include <vector>

namespace quintel::solver {

// What the Master may still risk in one game against the player: the budget of the game, less
// what its stages have risked so far, plus what the player has given away (safe exploitation in
// the manner of Ganzfried and Sandholm: risk only what you have been handed, beyond what you may
// lose anyway). The budget is the risk R times the Master's confidence in its model,
// visits / (visits + kConfidentVisits); each stage may risk all that is left, and risks what a
// best reply there may win above the stage's value, the positions after it at their solved
// values.
//
// A gift is what a decision of the player's loses against the best one, with the Master's answer
// in force and the positions after it at their solved values:
//  - a call after a throw, once the Master has trusted it and seen the dice: what the best call
//    on those dice would have won against the Master's chances of trust in that stage, less what
//    the call wins;
//  - trusting a call of the Master's: what the better answer wins, given the call and the Master's
//    mixed calls in the stage, less what trust wins;
//  - the dice kept after that: the position's solved value less the stage's the keep leads to.
// Why the bound holds: in a stage that risks r, the player wins on average at most r above the
// stage's value, less what they give away there; a keep wins the difference of the two values,
// less its gift. A stage risks only what is left, so over a game the stages risk at most the
// budget and the gifts, and the player wins no more above the game's value than the budget, at
// most R, whatever they do.
//
// The seat tells it each step of the game in order; one per game.
class MasterBudget {
public:
    explicit MasterBudget(const MasterPolicy& master)
        : master_(&master), pending_(master.budget()) {}

    // What the next stage may risk.
    double pending() const { return pending_; }

    // The Master's chances of trust for the player's call in stage (lastCall, kept), by call,
    // risking at most what is left.
    std::vector<double> answer(int lastCall, int kept, int call);
    // It trusted and took over `hand` (DiceSets index): the call just answered, with the dice it
    // was made on.
    void tookOver(int hand);

    // The Master's calls after trusting `lastCall`, keeping `kept` and throwing `thrown`, risking
    // at most what is left.
    std::vector<MixedCall> calls(int lastCall, int kept, int thrown);
    // The player trusted the Master's call `call` made after a throw, then kept `kept` and threw
    // (nothing when they called at once).
    void playerTrusted(int call, std::optional<int> kept);

private:
    struct Answered {
        int lastCall;
        int kept;
        int call;
        std::vector<double> trust;
    };
    struct Called {
        int lastCall;
        int kept;
        int thrown;
        StageStrategy strategy;
    };
    void receive(double gift);
    // A stage risked this much of what was pending.
    void spend(double risked);

    const MasterPolicy* master_;
    double pending_ = 0;
    std::optional<Answered> answered_;
    std::optional<Called> called_;
};

} // namespace quintel::solver
