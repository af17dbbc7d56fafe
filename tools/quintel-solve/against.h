#pragma once

#include "model/rule_options.h"

#include <filesystem>
#include <ostream>
#include <string_view>

namespace quintel::solve {

// Works out how well the best player does against the computer named `computer` ("classic" or
// "expert") under `options`, and prints "best-response B" (the chance of winning a game, 17
// significant digits) and "seconds S" (the time the pass took). The Expert plays the solved game
// of `solvedFile`; for it the lines "value V" (the game's value for the opener, the player) and
// "exploitability E" (B - V) follow. Returns 0, or 2 after an error line for a computer it does
// not know or a solved game it cannot read.
int runAgainst(std::string_view computer, RuleOptions options,
               const std::filesystem::path& solvedFile, std::ostream& out);

} // namespace quintel::solve
