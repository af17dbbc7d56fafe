#pragma once

// Solves a game in sequence form as one linear program: the first seat's realization plan and,
// for each information set of the second seat, the payoff the first seat can hold it to.

#include "testing/whole_game/sequence_form.h"

#include <cstddef>

namespace quintel::wholegame {

// Floating point simplex only, or that followed by GLPK's rational simplex from its basis.
enum class Arithmetic { Floating, Exact };

struct LpSize {
    int rows = 0;
    int columns = 0;
    std::size_t nonzeros = 0;
};

struct LpSolution {
    double value = 0;       // the first seat's payoff under best play of both
    RealizationPlan first;  // the first seat's optimal plan (the primal solution)
    RealizationPlan second; // the second seat's optimal plan (the duals)
    LpSize size;
};

// Throws std::runtime_error when GLPK finds no optimum.
LpSolution solveSequenceForm(const SequenceForm& form, Arithmetic arithmetic);

} // namespace quintel::wholegame
