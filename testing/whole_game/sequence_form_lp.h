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

// The restricted Nash response of the second seat: the plan that does the first seat most harm
// when it plays a known plan, among the plans that no answer of the first seat beats by more than a
// bound. It is the best any strategy can do against that plan within that exploitability, the
// yardstick for a computer that learns its opponent and stays safe.
struct RestrictedResponse {
    double againstPlan = 0; // the first seat's payoff when it plays the known plan
    double bestAnswer = 0;  // the first seat's payoff when it answers the response best
    RealizationPlan second; // the second seat's plan
};

// The second seat's plan minimising the first seat's payoff under `firstPlan`, subject to the first
// seat's best answer winning at most `bound`. Throws std::runtime_error when GLPK finds no optimum
// (a bound below the game's value).
RestrictedResponse restrictedResponse(const SequenceForm& form, const RealizationPlan& firstPlan,
                                      double bound);

} // namespace quintel::wholegame
