#pragma once

#include "solver/stage_game.h"
#include "solver/support_solve.h"

#include <optional>
#include <vector>

namespace quintel::solver {

// How each stage is solved: as the responder's linear programme (LpStageSolver), or by the
// regret iteration (StageSolver), kept as a second method to check the first against.
enum class StageMethod { linearProgramme, iteration };

struct SolverSettings {
    // The solve of a stage stops when neither side can gain more than this by a best reply to the
    // other's stored strategy (checkStage's gap).
    double tolerance = 1e-7;
    // Mixed calls below this share of the tolerance are dropped before the check (and the rest
    // rescaled): the average strategies touch many calls with tiny chances, which would make
    // the data file large. The check is of what is kept.
    double smallestChanceShare = 0.01;
    // Whether the support the iteration finds is solved exactly (see StageSolver); without it
    // the iteration alone must reach the tolerance.
    bool exactSupport = true;
    StageMethod method = StageMethod::linearProgramme;
};

struct StageSolution {
    StageStrategy strategy;
    StageCheck check;
    long iterations = 0;
    bool exact = false; // solved on a support rather than taken from the iteration's averages
};

// Solves the stages of one kept set K for one last call after another, from the strongest last
// call down, each starting from the previous answer: the stage (c, K) is (c + 1, K) with one more
// call to make, so the old answer is often still an equilibrium.
//
// The method: predictive regret matching+ with alternating updates and quadratic averaging on the
// calls
// in an active set only; then the exact check over every call, with the chance of trust of the
// calls outside the set chosen to deter (fullTrust). Calls that no chance deters join the set and
// the iteration goes on, until the check's gap is within the tolerance.
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
