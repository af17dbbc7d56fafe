#pragma once

#include "solver/player_model.h"

#include <vector>

namespace quintel::solver {

// What every position is worth to its mover when the player plays as their model believes and
// the computer answers them as well as can be (the best response to the model), laid out as the
// solved game's position values (holding-major: holding * callCount + call). The Master weighs its
// choices in a stage by these values of the positions after it, where the solved values are all
// its bound may count on: a call that hands the player a position they are believed to play badly
// is worth more than the equilibrium says. The real game only; a pass of some seconds.
struct BelievedValues {
    std::vector<double> computerMoving; // the computer trusted the call and holds the dice
    std::vector<double> playerMoving;   // the player trusted the call and holds the dice
};
BelievedValues believedValues(const PlayerModel& model);

} // namespace quintel::solver
