#pragma once

#include "model/rule_options.h"

#include <ostream>
#include <string_view>

namespace quintel::solve {

// Works out how well the best player does against the computer named `computer` ("classic") under
// `options`, and prints "best-response B" (the chance of winning a game, 17 significant digits)
// and "seconds S" (the time the pass took). Returns 0, or 2 after an error line for a computer it
// does not know.
int runAgainst(std::string_view computer, RuleOptions options, std::ostream& out);

} // namespace quintel::solve
