#pragma once

#include "solver/stage_game.h"

#include <span>
#include <vector>

namespace quintel::solver {

// A stage's answer to a belief about the other seat that risks at most `allowance`: the best
// answer to the belief among those that leave the other seat's best reply, with the positions
// after the stage at their solved values, at most `allowance` above what the equilibrium leaves
// it. Each is the restricted Nash response of the stage in its constrained form (Johanson,
// Zinkevich and Bowling 2007: the best answer to the model, traded against its own
// exploitability), a linear programme of the size of the stage's own.
//
// With an allowance of 0 it is the equilibrium answer that does best against the belief.
// Both check their answer against the allowance before they return it, and fall back towards
// the equilibrium where the simplex's rounding would leave more.

// The responder's chance of trust for every message, against the belief `weights` about the
// mover (per type and message, type-major, as PlayerModel::callWeights gives them):
//   minimise  sum over t, m of w(t, m) (challenge(t, m) + b(m) (trust(t, m) - challenge(t, m)))
//   subject to u(t) >= challenge(t, m) + b(m) (trust(t, m) - challenge(t, m))  for all t, m
//              sum over t of p(t) u(t) <= value + allowance,   0 <= b(m) <= 1,
// where `value` is the stage's and `equilibrium` an equilibrium answer (fullTrust), whose rows
// start the programme.
std::vector<double> safeTrust(const StageGame& game, std::span<const double> weights,
                              std::span<const double> equilibrium, double value, double allowance);

// The mover's calls, against the belief `trust` about the responder's chance of trust per
// message:
//   maximise  sum over t, m of x(t, m) (challenge(t, m) + trust(m) (trust(t, m) - challenge))
//   subject to sum over m of x(t, m) = p(t),   x >= 0,
//              sum over m of min(what the calls m win if challenged, if trusted)
//                  >= value - allowance,
// the calls of each type as chances that add up to 1. `equilibrium` is the stored strategy,
// whose calls start the programme.
StageStrategy safeCalls(const StageGame& game, std::span<const double> trust,
                        const StageStrategy& equilibrium, double value, double allowance);

} // namespace quintel::solver
