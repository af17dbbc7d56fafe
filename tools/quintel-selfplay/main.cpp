// Self-play arena: the computer opponent against a scripted player, played through the screens.
#include "arena_arguments.h"

#include <iostream>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    using namespace quintel::arena;
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const ParsedArguments parsed = parseArguments(arguments);
    if (std::holds_alternative<HelpRequested>(parsed)) {
        std::cout << usage();
        return 0;
    }
    if (const auto* error = std::get_if<ArgumentError>(&parsed)) {
        std::cerr << "quintel-selfplay: " << error->message << "\n" << usage();
        return 2;
    }
    const ArenaConfig& config = std::get<ArenaConfig>(parsed);
    try {
        const ArenaReport report = runArena(config);
        std::cout << summaryLine(config, report) << "\n";
        for (const std::string& fault : report.faults) {
            std::cerr << "quintel-selfplay: fault: " << fault << "\n";
        }
        return report.faults.empty() ? 0 : 1;
    } catch (const std::exception& error) {
        std::cerr << "quintel-selfplay: " << error.what() << "\n";
        return 1;
    }
}
