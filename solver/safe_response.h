#pragma once

#include "solver/stage_game.h"

#include <span>
#include <vector>

namespace quintel::solver {

// A stage's answer to a belief about the other seat that risks at most `allowance`: what a best
// reply may win in the stage above the equilibrium, the positions after the stage at their
// solved values (the stage's `value`). The chances of trust are a safe best response in two
// steps, at the cost of a few passes over the stage's payoffs:
//  - first, where the equilibrium leaves a choice that costs nothing, the belief makes it;
//  - then, of the chances of trust between that answer and the best reply to the belief, the
//    programme of restricted_trust.h finds those that hurt the believed caller most while a best
//    reply wins at most the allowance above the value; the answer is that, or the farthest point
//    towards it the exact check allows (a best reply's gain is convex along the way, so the point
//    is found by halving the step).
// With an allowance of 0 it is an equilibrium answer, the one the first step chose.

// The responder's chance of trust for every message, against the belief `weights` about the
// mover (per type and message, type-major, as PlayerModel::callWeights gives them). The first
// step trusts each call no type of `equilibrium` makes at the end of its deterring range that
// does the believed caller most harm (fullTrust with the belief); the best reply trusts a call
// when the believed callers gain less by trust than by a challenge.
std::vector<double> safeTrust(const StageGame& game, std::span<const double> weights,
                              const StageStrategy& equilibrium, double value, double allowance,
                              const StageGame* believedStage = nullptr);

// The mover's calls, against the belief `trust` about the responder's chance of trust per
// message. Not a straight line here: one linear programme finds the mixed calls that win most
// against that trust while the responder's best answers leave the mover at least `value` minus
// the allowance. Each type is offered its equilibrium calls and its few best calls against the
// belief, which keeps the programme to some tens of milliseconds in the largest stage; the bound
// holds whatever is offered. With no allowance the answer is still an equilibrium's, the one of
// those offered that does best against the belief, and it often does better than the Expert's.
// When the simplex gives up the answer is the equilibrium's.
StageStrategy safeCalls(const StageGame& game, std::span<const double> trust,
                        const StageStrategy& equilibrium, double value, double allowance,
                        const StageGame* believedStage = nullptr);

} // namespace quintel::solver
