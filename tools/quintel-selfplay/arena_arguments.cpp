#include "arena_arguments.h"

#include "model/rule_options.h"

#include <charconv>
#include <map>
#include <optional>

namespace quintel::arena {

namespace {

template <typename Number> std::optional<Number> wholeNumber(std::string_view word, Number lowest) {
    Number value{};
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc{} || end != word.data() + word.size() || value < lowest) {
        return std::nullopt;
    }
    return value;
}

ArgumentError bad(std::string_view name, std::string_view value, std::string_view expected) {
    return {"bad " + std::string(name) + " '" + std::string(value) + "': " + std::string(expected)};
}

ParsedArguments configFrom(const std::map<std::string_view, std::string_view>& given) {
    for (const std::string_view required : {"--games", "--seed", "--options", "--policy"}) {
        if (!given.contains(required)) {
            return ArgumentError{"missing " + std::string(required)};
        }
    }
    ArenaConfig config;
    const auto games = wholeNumber<long long>(given.at("--games"), 1);
    if (!games) {
        return bad("--games", given.at("--games"), "a whole number of at least 1");
    }
    const auto seed = wholeNumber<std::uint64_t>(given.at("--seed"), 0);
    if (!seed) {
        return bad("--seed", given.at("--seed"), "a whole number");
    }
    const auto options = parseOptionWords(given.at("--options"));
    if (!options) {
        return bad("--options", given.at("--options"), kOptionWordChoices);
    }
    const auto policy = policyNamed(given.at("--policy"));
    if (!policy) {
        return bad("--policy", given.at("--policy"), "honest, bluffer, cautious or best-response");
    }
    if (given.contains("--computer")) {
        const std::string_view computer = given.at("--computer");
        if (computer != "classic" && computer != "expert") {
            return bad("--computer", computer, "classic or expert");
        }
        config.computerName = computer;
    }
    config.games = *games;
    config.seed = *seed;
    config.options = *options;
    config.policy = *policy;
    if (given.contains("--data")) {
        config.dataFolder = given.at("--data");
    }
    config.solvedFolder = given.contains("--solved") ? std::filesystem::path(given.at("--solved"))
                                                     : std::filesystem::path(QUINTEL_SOLVED_DATA);
    return config;
}

} // namespace

ParsedArguments parseArguments(const std::vector<std::string_view>& arguments) {
    std::map<std::string_view, std::string_view> given;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view name = arguments[i];
        if (name == "--help") {
            return HelpRequested{};
        }
        const bool known = name == "--games" || name == "--seed" || name == "--options" ||
                           name == "--policy" || name == "--data" || name == "--computer" ||
                           name == "--solved";
        if (!known) {
            return ArgumentError{"unknown argument '" + std::string(name) + "'"};
        }
        if (i + 1 == arguments.size()) {
            return ArgumentError{std::string(name) + " needs a value"};
        }
        if (!given.emplace(name, arguments[++i]).second) {
            return ArgumentError{std::string(name) + " given twice"};
        }
    }
    return configFrom(given);
}

std::string usage() {
    return "usage: quintel-selfplay --games N --seed S --options none|any|perm|both\n"
           "                        --policy honest|bluffer|cautious|best-response\n"
           "                        [--computer classic|expert] [--solved DIR] [--data DIR]\n"
           "       quintel-selfplay --help\n"
           "Plays N complete games of the computer against a scripted player and prints one\n"
           "summary line. The player's files go to DIR, or to a temporary folder that is removed\n"
           "afterwards. The Expert plays the solved games of --solved DIR (by default the source\n"
           "tree's). The best response first works out its tables against the computer\n"
           "(seconds to a minute). Exits with 1 when a game breaks a rule of play or a player's "
           "file cannot\n"
           "be written, 2 on bad arguments.\n";
}

} // namespace quintel::arena
