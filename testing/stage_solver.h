#pragma once

#include "solver/stage_solution.h"
#include "solver/support_solve.h"

#include <optional>
#include <vector>

namespace quintel::solver {

// The regret iteration, a second method of solving a stage that shares nothing with the linear
// programme (LpStageSolver) but the payoffs and the check: the tests and a benchmark hold the
// programme's answers against it.
//
// Solves the stages of one kept set K for one last call after another, from the strongest last
// call down, each starting from the previous answer: the stage (c, K) is (c + 1, K) with one more
// call to make, so the old answer is often still an equilibrium.
//
// The method: predictive regret matching+ with alternating updates and quadratic averaging on the
// calls in an active set only; then the exact check over every call, with the chance of trust of
// the calls outside the set chosen to deter (fullTrust). Calls that no chance deters join the set
// and the iteration goes on, until the check's gap is within the tolerance.
//
// The iteration's averages approach an equilibrium slowly, but soon show which calls it uses:
// after each round the supports they suggest are solved exactly (solveOnSupport), and the first
// answer whose check is within the tolerance ends the solve. A stage starts by solving on the
// support of the previous answer, which often is still right. When no support solves, the
// iteration goes on to a smaller gap, down to the average strategy itself.
class StageSolver {
public:
    StageSolution solve(const StageGame& game, const SolverSettings& settings);

private:
    struct Restricted;
    void startActiveSet(const StageGame& game);
    void resize(int types, const std::vector<int>& added);
    void restartFromAverages();
    void adopt(const StageStrategy& strategy);

    // The iteration's state, carried from one last call to the next.
    struct State {
        std::vector<double> moverRegret; // type-major, one per active call
        std::vector<double> moverLast;   // the last step's regrets, the prediction of the next
        std::vector<double> trustLast;
        std::vector<double> challengeLast;
        std::vector<double> mixedSum;    // type-major
        std::vector<double> trustRegret; // per active call
        std::vector<double> challengeRegret;
        std::vector<double> trustSum;
        double weightSum = 0;
        long step = 0;
    };

    std::vector<int> active_; // call indices, increasing
    int types_ = 0;
    State state_;
    std::optional<StageStrategy> lastExact_; // the last answer solved on a support
};

} // namespace quintel::solver
