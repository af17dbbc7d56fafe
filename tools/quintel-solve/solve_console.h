#pragma once

#include "engine_console.h"
#include "solver/solved_game.h"

#include <iosfwd>
#include <string>
#include <string_view>

namespace quintel::solver {

// One answer of the solved game's console. A refused line has ok false and text "error: ...".
using SolveAnswer = ConsoleAnswer;

// Answers one question, e.g. "open", "stage - -", "value 66 66543 -" or "strategy 66 66".
// Dice are digit texts in any order; '-' is none (for a stage's call: the opening).
SolveAnswer answerQuestion(const SolvedGame& game, std::string_view line);

// Answers every non-blank line of `in` on `out`; returns 1 if any line was refused, else 0.
int runSolveConsole(const SolvedGame& game, std::istream& in, std::ostream& out);

} // namespace quintel::solver
