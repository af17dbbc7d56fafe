#pragma once

#include "solver/stage_game.h"

#include <optional>
#include <vector>

namespace quintel::solver {

// Which calls an equilibrium of a stage uses: the calls each type makes, and of the calls made,
// those the responder trusts with a chance strictly between 0 and 1 (`mixed`) and those it always
// trusts (`trusted`); the other calls made are always challenged. Calls are the game's numbers,
// increasing.
struct StageSupport {
    std::vector<std::vector<int>> callsOf; // per type
    std::vector<int> mixed;
    std::vector<int> trusted;
    bool operator==(const StageSupport&) const = default;
};

// The support of a strategy, with the chances at or below `zero` (or at or above 1 - `zero` for
// trust) taken as exactly 0 (or 1).
StageSupport supportOf(const StageStrategy& strategy, double zero);

// The equilibrium on a support, solved exactly: every type is indifferent between the calls it
// makes (which fixes the mixed chances of trust), and the responder between trusting and
// challenging each mixed call (which fixes the types' chances). Nothing when the equations have no
// solution or it leaves a chance outside [0, 1]; whether it is an equilibrium of the whole stage
// is for checkStage to say. Where the equations leave chances open (as when every call made is
// challenged, and the types that cover their calls are indifferent among them all), they are
// taken from `near`, the strategy the support was read from.
std::optional<StageStrategy> solveOnSupport(const StageGame& game, const StageSupport& support,
                                            const StageStrategy& near);

// Solves `rows` equations in `columns` unknowns, a z = b with `a` row-major, by elimination with
// complete pivoting. Unknowns that no equation pins down take their entry of `undetermined` (one
// per column); nothing when the equations contradict each other.
std::optional<std::vector<double>> solveLinear(std::vector<double> a, std::vector<double> b,
                                               int rows, const std::vector<double>& undetermined);

} // namespace quintel::solver
