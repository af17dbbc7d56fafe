#pragma once

#include "model/rule_options.h"
#include "solver/player_model.h"

#include <filesystem>
#include <ostream>
#include <string_view>

namespace quintel::solve {

// The Master's player model, frozen, and its risk.
struct MasterArguments {
    std::filesystem::path model; // a player model as PlayerModel::serialise writes it
    double risk = 0.02;
};

// Works out how well the best player does against the computer named `computer` ("classic",
// "expert" or "master") under `options`, and prints "best-response B" (the chance of winning a
// game, 17 significant digits) and "seconds S" (the time the pass took). The Expert and the
// Master play the solved game of `solvedFile`, the Master with the model and risk of `master`;
// for them the lines "value V" (the game's value for the opener, the player) and
// "exploitability E" (B - V) follow, and for the Master "risk R" and "stages-answered N" (the
// stages it answers otherwise than the Expert). Returns 0, or 2 after an error line for a
// computer it does not know, a solved game or model it cannot read.
int runAgainst(std::string_view computer, RuleOptions options,
               const std::filesystem::path& solvedFile, std::ostream& out,
               const MasterArguments& master = {});

// Prints what a perfect opponent wins against the player of the model `modelFile` under
// `options` ("perfect-opponent P", "equilibrium E", "given-away P - E") and the three situations
// where the player's habits give away most, one line each ("leak KIND ...", see Leak). Returns 0,
// or 2 after an error line for a solved game or a model it cannot read.
int runLeaks(RuleOptions options, const std::filesystem::path& solvedFile,
             const std::filesystem::path& modelFile, std::ostream& out);

// The lines of runLeaks for `model`.
void printLeaks(const solver::PlayerModel& model, std::ostream& out);

} // namespace quintel::solve
