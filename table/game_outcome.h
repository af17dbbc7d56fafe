#pragma once

#include "match/outcome.h"

#include <string_view>

namespace quintel {

// The message that tells the player the result of `outcome`.
std::string_view resultText(const GameOutcome& outcome);

} // namespace quintel
