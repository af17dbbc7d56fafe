#pragma once

#include "model/dice.h"
#include "solver/response_positions.h"

#include <optional>
#include <span>
#include <vector>

namespace quintel::solver {

struct CallChance {
    CallIndex call = 0;
    double chance = 0.0;
};

// A computer seat as the best response sees it: all of its play as functions of what it knows.
// The player's fixed dice are what the player kept when it threw this turn; none (all counts 0)
// when it called without throwing or threw all five, which the computer cannot tell apart.
class OpponentModel {
public:
    virtual ~OpponentModel() = default;

    // Whether it trusts the player's `call`, made with `playerFix` fixed.
    virtual bool trusts(CallIndex call, const FaceCounts& playerFix) const = 0;

    // The dice it keeps of the player's `dice` after trusting `call`, `locked` being locked under
    // "Fix Permanent" (the player's fixed dice, or, after the player's call at once, the fixed
    // dice as they stood); every other die is thrown.
    virtual FaceCounts keeps(CallIndex call, const FaceCounts& dice,
                             const FaceCounts& locked) const = 0;

    // The distribution of its call against the player's `call` after keeping `hold` and ending
    // with `dice` (the hold and what it threw, or the hold itself when that is all five dice). The
    // chances sum to 1 and each call beats `call`. The span stays valid while the model lives.
    virtual std::span<const CallChance> calls(CallIndex call, const FaceCounts& hold,
                                              const FaceCounts& dice) const = 0;

    // A computer whose answers depend on how the player came to call: the call the player
    // trusted, and whether it threw (its trust may then be a chance) or called at once on the
    // dice it was handed, which the computer knows. The best response then asks the members
    // below instead of `trusts` and `keeps`. Their defaults follow the members above.
    virtual bool answersByStage() const { return false; }

    // The chance that it trusts each call (by call; 0 for calls that do not beat `lastCall`) after
    // the player trusted `lastCall` (-1 at the opening), kept `kept` and threw the other dice.
    virtual std::vector<double> stageTrust(CallIndex lastCall, const FaceCounts& kept) const;
    // The chance that it trusts `call` made at once on `dice`.
    virtual double trustAtOnce(CallIndex call, const FaceCounts& dice) const;
    // After trusting `call` on `dice` with `locked` fixed (the player's kept dice, or its own
    // last hold when the player called at once): the dice it keeps while throwing the others, or
    // nothing when it calls at once, which leaves the locked dice as they were.
    virtual std::optional<FaceCounts> keepsFrom(CallIndex call, const FaceCounts& dice,
                                                const FaceCounts& locked) const;
    // Its call when it calls at once.
    virtual CallIndex callAtOnce(CallIndex call, const FaceCounts& dice,
                                 const FaceCounts& locked) const;
    // The same two as chances, for a computer that may choose either way: each choice (the dice
    // kept, or none for a call at once with its call) with its chance. By default the one choice
    // keepsFrom and callAtOnce give.
    struct Choice {
        std::optional<FaceCounts> keep;
        CallIndex call = -1;
        double chance = 1;
    };
    virtual std::vector<Choice> choicesFrom(CallIndex call, const FaceCounts& dice,
                                            const FaceCounts& locked) const;
};

// A computer that answers by stage. The best response asks the members of a computer that answers
// by call alone only after a throw at the opening; they follow from the stage's.
class StageOpponent : public OpponentModel {
public:
    bool answersByStage() const override { return true; }
    bool trusts(CallIndex call, const FaceCounts& playerFix) const override;
    FaceCounts keeps(CallIndex call, const FaceCounts& dice,
                     const FaceCounts& playerFix) const override;
};

} // namespace quintel::solver
