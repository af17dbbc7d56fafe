// The game's classic computer, its Expert or its Master as an engine of the Quintel engine
// protocol: requests on standard input, answers on standard output, problems on standard error.
#include "computer_engine.h"

#include <charconv>
#include <exception>
#include <iostream>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view kUsage =
    "usage: quintel-engine-player --opponent classic|expert|master [--solved DIR] [--seed S]\n"
    "       quintel-engine-player --help\n"
    "Plays the game's classic computer, its Expert or its Master (both read the solved games of\n"
    "DIR, by default the source tree's) as an engine of the Quintel engine protocol\n"
    "(docs/engine-protocol.md), drawing from a random source seeded with S (by default 1).\n"
    "The Master learns the other seat from nothing, from the games that seat opens in the "
    "session,\n"
    "and risks at most 0.02 of a game against any player.\n";

struct Settings {
    quintel::Opponent opponent = quintel::Opponent::Classic;
    std::filesystem::path solved = QUINTEL_SOLVED_DATA;
    std::uint64_t seed = 1;
};

// The settings, or why the arguments give none (empty for --help).
std::optional<Settings> settingsFrom(const std::vector<std::string_view>& arguments,
                                     std::string& problem) {
    std::map<std::string_view, std::string_view> given;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view name = arguments[i];
        if (name == "--help") {
            return std::nullopt;
        }
        if (name != "--opponent" && name != "--solved" && name != "--seed") {
            problem = "unknown argument '" + std::string(name) + "'";
            return std::nullopt;
        }
        if (i + 1 == arguments.size() || !given.emplace(name, arguments[++i]).second) {
            problem = std::string(name) + " needs one value";
            return std::nullopt;
        }
    }
    Settings settings;
    const std::string_view opponent = given.contains("--opponent") ? given["--opponent"] : "";
    if (opponent != "classic" && opponent != "expert" && opponent != "master") {
        problem = "--opponent must be classic, expert or master";
        return std::nullopt;
    }
    settings.opponent = opponent == "expert"   ? quintel::Opponent::Expert
                        : opponent == "master" ? quintel::Opponent::Master
                                               : quintel::Opponent::Classic;
    if (given.contains("--solved")) {
        settings.solved = given["--solved"];
    }
    if (given.contains("--seed")) {
        const std::string_view seed = given["--seed"];
        const auto [end, error] =
            std::from_chars(seed.data(), seed.data() + seed.size(), settings.seed);
        if (error != std::errc{} || end != seed.data() + seed.size()) {
            problem = "bad --seed '" + std::string(seed) + "': a whole number";
            return std::nullopt;
        }
    }
    return settings;
}

} // namespace

int main(int argc, char** argv) {
    namespace protocol = quintel::match::protocol;
    std::string problem;
    const auto settings = settingsFrom({argv + 1, argv + argc}, problem);
    if (!settings) {
        (problem.empty() ? std::cout : std::cerr)
            << (problem.empty() ? "" : "quintel-engine-player: " + problem + "\n") << kUsage;
        return problem.empty() ? 0 : 2;
    }
    quintel::engine_player::ComputerEngine engine(settings->opponent, settings->solved,
                                                  settings->seed);
    std::string line;
    while (std::getline(std::cin, line)) {
        const auto request = protocol::parseRequest(line);
        if (!request.value) {
            // An engine passes over a line it does not know, as UCI engines do.
            std::cerr << "quintel-engine-player: " << request.error << "\n";
            continue;
        }
        if (request.value->kind == protocol::RequestKind::Quit) {
            return 0;
        }
        try {
            if (const auto reply = engine.answer(*request.value)) {
                std::cout << *reply << std::endl;
            }
        } catch (const std::exception& error) {
            std::cerr << "quintel-engine-player: " << error.what() << "\n";
            return 1;
        }
    }
    return 0;
}
