#include "arena_arguments.h"

#include "model/rule_options.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <map>
#include <optional>

namespace quintel::arena {

namespace {

constexpr std::string_view kPlayers =
    "classic, expert, master, honest, bluffer, cautious, best-response, coach or engine:COMMAND";

template <typename Number> std::optional<Number> wholeNumber(std::string_view word, Number lowest) {
    Number value{};
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc{} || end != word.data() + word.size() || value < lowest) {
        return std::nullopt;
    }
    return value;
}

// A number from 0 to 1 written in full ("0.02", "1"), nothing else.
std::optional<double> share(std::string_view word) {
    double value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc{} || end != word.data() + word.size() || !(value >= 0 && value <= 1)) {
        return std::nullopt;
    }
    return value;
}

ArgumentError bad(std::string_view name, std::string_view value, std::string_view expected) {
    return {"bad " + std::string(name) + " '" + std::string(value) + "': " + std::string(expected)};
}

bool isPlayer(std::string_view name) {
    constexpr std::array<std::string_view, 8> named{
        "classic", "expert", "master", "honest", "bluffer", "cautious", "best-response", "coach"};
    return std::ranges::find(named, name) != named.end() ||
           (name.starts_with("engine:") && name.size() > 7);
}

std::optional<ArgumentError> readPlayers(const std::map<std::string_view, std::string_view>& given,
                                         ArenaConfig& config) {
    if (given.contains("--policy") && given.contains("--human")) {
        return ArgumentError{"--policy and --human name the same seat: give one"};
    }
    const std::string_view human =
        given.contains("--human") ? given.at("--human") : given.at("--policy");
    if (!isPlayer(human)) {
        return bad(given.contains("--human") ? "--human" : "--policy", human, kPlayers);
    }
    if (human == "master") {
        return ArgumentError{"the Master learns the player: it plays the computer's seat"};
    }
    config.human = human;
    if (given.contains("--computer")) {
        const std::string_view computer = given.at("--computer");
        if (!isPlayer(computer)) {
            return bad("--computer", computer, kPlayers);
        }
        config.computerName = computer;
    }
    if (config.human == "best-response" && config.computerName != "classic" &&
        config.computerName != "expert") {
        return ArgumentError{"the best response plays against classic or expert"};
    }
    if (config.computerName == "best-response") {
        return ArgumentError{"the best response plays the player's seat"};
    }
    if (config.computerName == "coach") {
        return ArgumentError{"the coach's follower plays the player's seat"};
    }
    if (config.human == "coach" && config.computerName != "classic" &&
        config.computerName != "expert" && config.computerName != "master") {
        return ArgumentError{"the coach's follower plays against classic, expert or master"};
    }
    return std::nullopt;
}

ParsedArguments configFrom(const std::map<std::string_view, std::string_view>& given) {
    for (const std::string_view required : {"--games", "--seed", "--options"}) {
        if (!given.contains(required)) {
            return ArgumentError{"missing " + std::string(required)};
        }
    }
    if (!given.contains("--policy") && !given.contains("--human")) {
        return ArgumentError{"missing --human"};
    }
    RunRequest request;
    ArenaConfig& config = request.config;
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
    if (auto error = readPlayers(given, config)) {
        return *error;
    }
    config.games = *games;
    config.seed = *seed;
    config.options = *options;
    if (given.contains("--data")) {
        config.dataFolder = given.at("--data");
    }
    config.solvedFolder = given.contains("--solved") ? std::filesystem::path(given.at("--solved"))
                                                     : std::filesystem::path(QUINTEL_SOLVED_DATA);
    config.throughScreens = given.contains("--through-screens");
    config.leaks = given.contains("--leaks");
    if (given.contains("--move-time")) {
        const auto ms = wholeNumber<long long>(given.at("--move-time"), 1);
        if (!ms) {
            return bad("--move-time", given.at("--move-time"), "milliseconds, at least 1");
        }
        config.moveTime = std::chrono::milliseconds(*ms);
    }
    if (given.contains("--jobs")) {
        const auto jobs = wholeNumber<int>(given.at("--jobs"), 1);
        if (!jobs || *jobs > 64) {
            return bad("--jobs", given.at("--jobs"), "a whole number from 1 to 64");
        }
        request.jobs = static_cast<int>(std::min<long long>(*jobs, config.games));
        if (request.jobs > 1 && !config.dataFolder.empty()) {
            return ArgumentError{"--jobs over 1 plays in folders of its own: give no --data"};
        }
        if (request.jobs > 1 && config.leaks) {
            return ArgumentError{"--leaks reads the player's seat in one run: give no --jobs"};
        }
    }
    if (given.contains("--master-risk")) {
        const auto risk = share(given.at("--master-risk"));
        if (!risk) {
            return bad("--master-risk", given.at("--master-risk"), "a number from 0 to 1");
        }
        if (config.computerName != "master") {
            return ArgumentError{"--master-risk is the Master's: give --computer master"};
        }
        config.masterRisk = *risk;
    }
    if (given.contains("--games-out")) {
        request.gamesOut = given.at("--games-out");
    }
    return request;
}

} // namespace

ParsedArguments parseArguments(const std::vector<std::string_view>& arguments) {
    constexpr std::array<std::string_view, 14> known{
        "--games",     "--seed",        "--options",         "--policy", "--human",
        "--computer",  "--data",        "--solved",          "--jobs",   "--games-out",
        "--move-time", "--master-risk", "--through-screens", "--leaks"};
    std::map<std::string_view, std::string_view> given;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view name = arguments[i];
        if (name == "--help") {
            return HelpRequested{};
        }
        if (std::ranges::find(known, name) == known.end()) {
            return ArgumentError{"unknown argument '" + std::string(name) + "'"};
        }
        std::string_view value;
        if (name != "--through-screens" && name != "--leaks") {
            if (i + 1 == arguments.size()) {
                return ArgumentError{std::string(name) + " needs a value"};
            }
            value = arguments[++i];
        }
        if (!given.emplace(name, value).second) {
            return ArgumentError{std::string(name) + " given twice"};
        }
    }
    return configFrom(given);
}

std::string usage() {
    return "usage: quintel-match --games N --seed S --options none|any|perm|both\n"
           "                     --human PLAYER [--computer PLAYER] [--data DIR] [--solved DIR]\n"
           "                     [--through-screens] [--jobs N] [--games-out FILE]\n"
           "                     [--move-time MS] [--master-risk R] [--leaks]\n"
           "       quintel-match --help\n"
           "Plays N complete games between the player's seat (--human, or --policy as before),\n"
           "which opens every game, and the computer's seat (--computer, by default classic), and\n"
           "prints one summary line. A PLAYER is classic, expert or master (the game's computers;\n"
           "the Master, which learns the player from nothing in the run, the computer's seat "
           "only),\n"
           "honest, bluffer or cautious (scripts), best-response (the exact best answer to the\n"
           "computer, worked out first: seconds to a minute), coach (takes the action the table's\n"
           "coach gives the best chance at every decision), or engine:COMMAND, an outside\n"
           "engine run by the shell that speaks the Quintel engine protocol "
           "(docs/engine-protocol.md)\n"
           "and gets MS milliseconds an answer (5000 by default).\n"
           "Games are played through the table's rules and every game is checked; with\n"
           "--through-screens the player's seat acts through the real screens. The player's files\n"
           "go to DIR, or to a temporary folder that is removed afterwards. The Expert plays the\n"
           "solved games of --solved DIR (by default the source tree's). --jobs N plays N shares\n"
           "of the games side by side, share k with seed S + k. --games-out writes each game in\n"
           "a line. --master-risk R is the most the Master may give away to any player, as a\n"
           "share of a game (0.02 by default); each game it risks R times its confidence in its\n"
           "model, and what the player gives away in the game (with 0, only that). --leaks prints, "
           "after the summary, what a perfect opponent would win against\n"
           "the player's seat from what the computer saw of it, and its three worst leaks.\n"
           "Exits with 1 when a game breaks a rule of play or a player's file cannot be\n"
           "written, 2 on bad arguments.\n";
}

} // namespace quintel::arena
