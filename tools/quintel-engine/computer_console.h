#pragma once

#include "engine_console.h"

#include <span>
#include <string_view>

namespace quintel {

// The engine console's "judge CALL DICE FIX OPTS": P, W and the computer's verdict ("trust" or
// "challenge") on the player's call CALL (with its zeros, e.g. 55200), the player's dice DICE and
// fixed dice FIX ('-' for none), under OPTS (none, any, perm or both), for a player without a
// profile. `words` are the four arguments.
ConsoleAnswer judgeCommand(const Form1& engine, std::span<const std::string_view> words);

} // namespace quintel
