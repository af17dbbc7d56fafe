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

// A run as the command line asks for it.
struct RunRequest {
    ArenaConfig config;
    int jobs = 1;                   // runs side by side, each with its own share of the games
    std::filesystem::path gamesOut; // each game in a line to this file; empty: nowhere
};

using ParsedArguments = std::variant<RunRequest, HelpRequested, ArgumentError>;

// --games N --seed S --options none|any|perm|both --human PLAYER (or --policy PLAYER)
// [--computer PLAYER] [--data DIR] [--solved DIR] [--through-screens] [--jobs N]
// [--games-out FILE] [--move-time MS], or --help.
ParsedArguments parseArguments(const std::vector<std::string_view>& arguments);

std::string usage();

} // namespace quintel::arena
