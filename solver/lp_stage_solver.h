#pragma once

#include "solver/stage_solution.h"

#include <memory>

namespace quintel::solver {

// Solves a stage as the responder's linear programme: choose a chance of trust b(m) for every
// call to make the mover's expected best reply as small as it can be,
//
//   minimise  sum over types t of p(t) u(t)
//   subject to u(t) >= challenge(t, m) + b(m) (trust(t, m) - challenge(t, m))  for every t, m
//              0 <= b(m) <= 1.
//
// Its optimum is the stage's value, and the duals of the rows that bind are the mover's
// equilibrium calls (each type's chances sum to p(t)). A stage has up to 252 × 461 rows but an
// equilibrium uses few of them, so rows join only when the current answer leaves a type a better
// call than it has; GLPK's dual simplex goes on from the last basis each time. The support the
// programme ends with is then solved exactly from the indifference equations (solveOnSupport),
// which removes the simplex's rounding.
//
// One solver serves the stages of one kept set from the strongest last call down. The stage
// (c, K) is (c + 1, K) with the call c + 1 added and nothing else changed, so the programme is
// kept from one to the next and gains one column: the simplex starts from the last optimum.
class LpStageSolver {
public:
    LpStageSolver();
    ~LpStageSolver();
    LpStageSolver(LpStageSolver&&) noexcept;
    LpStageSolver& operator=(LpStageSolver&&) noexcept;

    StageSolution solve(const StageGame& game, const SolverSettings& settings);

private:
    class Programme;
    std::unique_ptr<Programme> programme_;
};

// GLPK keeps an environment for each thread that uses it: a thread that solved stages frees it
// before it ends, once its solvers are gone.
void releaseSolverThread();

} // namespace quintel::solver
