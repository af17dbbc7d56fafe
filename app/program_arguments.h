#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace quintel {

// What the desktop program was asked for on its command line.
struct ProgramArguments {
    // An outside engine to offer beside the two computers: a shell command line.
    std::optional<std::string> engine;
    bool help = false;
};

// `quintel [--engine COMMAND]` or `quintel --help`; anything else gives the reason it is refused.
std::variant<ProgramArguments, std::string>
readProgramArguments(const std::vector<std::string_view>& arguments);

std::string_view programUsage();

} // namespace quintel
