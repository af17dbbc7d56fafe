#pragma once

#include "solver/master_policy.h"

#include <optional>
#include <vector>

namespace quintel::solver {

// What the player has given away so far in one game against the Master, which the Master may
// risk in its next stage on top of the stage's own allowance (safe exploitation in the manner of
// Ganzfried and Sandholm: risk only what the other seat has already handed over).
//
// A gift is what a decision of the player's loses against the best one, with the Master's answer
// in force and the positions after it at their solved values:
//  - a call after a throw, once the Master has trusted it and seen the dice: what the best call
//    on those dice would have won against the Master's chances of trust in that stage, less what
//    the call wins;
//  - trusting a call of the Master's: what the better answer wins, given the call and the Master's
//    mixed calls in the stage, less what trust wins;
//  - the dice kept after that: the position's solved value less the stage's the keep leads to.
// Why the bound holds: in a stage that risks an allowance a, the player wins on average at most a
// above the stage's value less what they give away there; a keep wins the difference of the two
// values less its gift. Each gift is risked once, in the next stage, so the gifts risked in a game
// never exceed the gifts received, and over the game the player wins no more above its value than
// the stages' own allowances, at most R.
//
// The seat tells it each step of the game in order; one per game.
class MasterGifts {
public:
    explicit MasterGifts(const MasterPolicy& master) : master_(&master) {}

    // What the next stage may risk beyond its allowance.
    double pending() const { return pending_; }

    // The Master's chances of trust for the player's call in stage (lastCall, kept), by call, with
    // what was given so far added to the stage's allowance.
    std::vector<double> answer(int lastCall, int kept, int call);
    // It trusted and took over `hand` (DiceSets index): the call just answered, with the dice it
    // was made on.
    void tookOver(int hand);

    // The Master's calls after trusting `lastCall`, keeping `kept` and throwing `thrown`, with what
    // was given so far added to the stage's allowance.
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

    const MasterPolicy* master_;
    double pending_ = 0;
    std::optional<Answered> answered_;
    std::optional<Called> called_;
};

} // namespace quintel::solver
