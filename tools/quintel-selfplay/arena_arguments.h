#pragma once

#include "arena.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace quintel::arena {

struct HelpRequested {};
struct ArgumentError {
    std::string message;
};

using ParsedArguments = std::variant<ArenaConfig, HelpRequested, ArgumentError>;

// --games N --seed S --options none|any|perm|both --policy honest|bluffer|cautious|best-response
// [--computer classic] [--data DIR],
// or --help. The first three and the policy are required.
ParsedArguments parseArguments(const std::vector<std::string_view>& arguments);

std::string usage();

} // namespace quintel::arena
