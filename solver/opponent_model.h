#pragma once

#include "model/dice.h"
#include "solver/response_positions.h"

#include <span>

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

    // The dice it keeps of the player's `dice` after trusting `call`; every other die is thrown.
    virtual FaceCounts keeps(CallIndex call, const FaceCounts& dice,
                             const FaceCounts& playerFix) const = 0;

    // The distribution of its call against the player's `call` after keeping `hold` and ending
    // with `dice` (the hold and what it threw, or the hold itself when that is all five dice). The
    // chances sum to 1 and each call beats `call`. The span stays valid while the model lives.
    virtual std::span<const CallChance> calls(CallIndex call, const FaceCounts& hold,
                                              const FaceCounts& dice) const = 0;
};

} // namespace quintel::solver
