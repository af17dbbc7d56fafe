#pragma once

#include "solver/stage_game.h"
#include "solver/stage_payoffs.h"

#include <span>
#include <vector>

namespace quintel::solver {

// The responder's chances of trust that hurt a believed caller most while no caller wins more
// than `ceiling`:
//
//   minimise  sum over m of believedGain(m) x(m)
//   subject to u(t) >= challenge(t, m) + x(m) trustGain(t, m)   for every type t and message m,
//              sum over t of p(t) u(t) <= ceiling,
//
// each x(m) between `start` (an equilibrium's answer, which keeps the ceiling) and `best` (the
// believed best reply's: 0 where the believed callers gain by trust, 1 where they lose). A type's
// rows are added as it needs them, from its best calls, so the programme holds a small part of the
// rows written out (116,000 in the largest stage). Empty when the simplex fails; the caller checks
// the ceiling on what it gets, the programme's rounding being its own.
std::vector<double> restrictedTrust(const StageGame& game, const Payoffs& payoffs,
                                    std::span<const double> believedGain,
                                    std::span<const double> start, std::span<const double> best,
                                    double ceiling);

} // namespace quintel::solver
