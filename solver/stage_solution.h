#pragma once

#include "solver/stage_game.h"

namespace quintel::solver {

// What a solve of a stage is asked for and what it answers, whichever method solves it.
struct SolverSettings {
    // The solve of a stage stops when neither side can gain more than this by a best reply to the
    // other's stored strategy (checkStage's gap).
    double tolerance = 1e-7;
    // Mixed calls below this share of the tolerance are dropped before the check (and the rest
    // rescaled): an iteration's average strategies touch many calls with tiny chances, which
    // would make the data file large. The check is of what is kept.
    double smallestChanceShare = 0.01;
    // Whether the support a method finds is solved exactly (solveOnSupport); without it the
    // method's own answer must reach the tolerance.
    bool exactSupport = true;
};

struct StageSolution {
    StageStrategy strategy;
    StageCheck check;
    long iterations = 0; // the method's steps: simplex rounds, or regret iterations
    bool exact = false;  // solved on a support rather than taken from the method's own answer
};

} // namespace quintel::solver
