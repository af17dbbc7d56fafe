#pragma once

#include "solver/player_model.h"

#include <cstdint>
#include <vector>

namespace quintel::solver {

// Where a player's habits cost them, from what the computer has seen of them (PlayerModel), as
// data for a window or a line to put in words:
//   "you trust a pair of sixes after the computer kept nothing too often: 71 % against the
//    best 38 %"
// is a Trust leak with call 66, kept nothing, playerRate 0.71 and bestRate 0.38.
struct Leak {
    enum class Kind {
        Trust, // the player's answers to the computer's `call` after it kept `kept`
        Call,  // the player's `call` after keeping `kept`: rates are of bluffs (the dice did not
               // hold the call); bestRate is -1 where the equilibrium never makes the call
        Keep,  // after trusting `call` and taking over `hand` with `locked` dice, `choice` (as
               // SolvedGame::positionChoice writes it); bestChoice is the equilibrium's
    };
    Kind kind = Kind::Trust;
    int call = 0;
    int kept = 0;
    int hand = 0;
    int locked = 0;
    std::uint16_t choice = 0;
    std::uint16_t bestChoice = 0;
    double playerRate = 0; // how often the player does it, as the model believes
    double bestRate = 0;   // how often the equilibrium does
    // The chance of winning a game the habit gives away, per game: how often the player met the
    // situation per game seen, times what a best reply there takes beyond the equilibrium, the
    // positions after it at their solved values.
    double loss = 0;
    std::uint32_t seen = 0; // how often the player met it
};

// The situations where the player's habits give away most, worst first, at most `count`, each
// pooling the last calls before it as the model does (a trust or a call after the same keep).
std::vector<Leak> worstLeaks(const PlayerModel& model, std::size_t count = 3);

// How much a perfect opponent wins against the player's habits, the player opening as the table
// has it: the opponent's best response to the player as the model believes it plays, less what
// it wins at equilibrium (1 - the game's value). A chance of winning a game; the real game only.
struct Exploitability {
    double perfectOpponent = 0; // its chance of winning a game against the player
    double equilibrium = 0;     // what it wins against the equilibrium
    double givenAway() const { return perfectOpponent - equilibrium; }
};
Exploitability exploitability(const PlayerModel& model);

} // namespace quintel::solver
