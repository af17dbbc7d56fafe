#pragma once

#include "match/player.h"
#include "model/rule_options.h"
#include "players.h"
#include "records/record_summary.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quintel {
class Game;
}

namespace quintel::arena {

struct ArenaConfig {
    long long games = 1000;
    std::uint64_t seed = 1;
    RuleOptions options;
    // The players of the two seats: classic, expert, master (the computer's seat only), honest,
    // bluffer, cautious, best-response, coach (the player's seat only: it follows the table's
    // coach) or engine:COMMAND. The player's seat opens every game.
    std::string human = "honest";
    std::string computerName = "classic";
    std::filesystem::path dataFolder; // empty: a temporary folder, removed afterwards
    // Asked between moves; true ends the run early, the temporary folder removed as usual.
    std::function<bool()> interrupted;
    // Another computer seat in place of the named one (to show that the arena catches faults).
    match::Player* computer = nullptr;
    // Where the Expert reads the solved games of the options.
    std::filesystem::path solvedFolder;
    // The player acts through the real screens, as a person would, instead of through the table.
    bool throughScreens = false;
    // How long an outside engine may take to answer one request.
    std::chrono::milliseconds moveTime{5000};
    // Told after each game with the number of games played so far.
    std::function<void(long long)> progress;
    // Each game in one line of text: where they go, if anywhere.
    std::function<void(const std::string&)> gameLine;
    // The most the Master at the computer's seat may give away to any player, as a share of a game.
    double masterRisk = 0.02;
    // Count what a computer sees of the player's seat and report where its play gives most away.
    bool leaks = false;
    // Shown the game the run plays at once it is signed in (a test may watch it).
    std::function<void(Game&)> onGame;
    // The policy of a scripted player at the player's seat, if it is one.
    std::optional<Policy> policy() const { return policyNamed(human); }
};

struct ArenaReport {
    long long games = 0;
    long long humanWins = 0;
    long long computerWins = 0;
    long long calls = 0;
    int longestBluffSearch = 0;
    long long settledCalls = 0; // bluff searches that ran into their bound
    double seconds = 0.0;
    std::vector<std::string> faults; // broken rules; the run stops at the first
    // What the player would have been told about files that could not be written (each names the
    // file); the run stops at the first.
    std::vector<std::string> writeFailures;
    // What the player would have been told about the record of games; play goes on without it.
    std::vector<std::string> recordProblems;
    // Everything else the game told the player (a damaged profile set aside, an Expert that
    // cannot play): play goes on.
    std::vector<std::string> notices;
    // Answers of an outside engine that the table refused; the engine lost each of those games.
    std::vector<std::string> refusals;
    // A decided game could not be kept in the record of a data folder given to the run (read-only,
    // not a file): the run goes on as the game does, and ends with status 1 as for a file that
    // cannot be written.
    bool recordFailed = false;
    bool interrupted = false;
    // The best-response policy: the chance of winning that its tables promise, and the seconds
    // they took to work out before the first game.
    std::optional<double> bestResponse;
    double tableSeconds = 0.0;
    // The coach's follower: the mean over the games of the chance of winning that the coach's
    // figures gave each at its start.
    std::optional<double> coachPromised;
    // With `leaks`: what a perfect opponent wins against the player's seat and its three worst
    // leaks, as quintel-solve --leaks prints them.
    std::string leaks;
};

// Plays complete games headless, through the table's rules or through the screens' own handlers,
// and checks every game as it goes.
ArenaReport runArena(const ArenaConfig& config);

// The 95 % Wilson score interval of a proportion, as the player's record gives it.
using quintel::Interval;
using quintel::wilsonInterval;

// One line: games, wins of each side with the computer's 95 % interval, calls per game, the
// longest bluff search and games per second; for the best response also the player's win rate
// with its 95 % interval, the chance its tables promise and the seconds they took.
std::string summaryLine(const ArenaConfig& config, const ArenaReport& report);

} // namespace quintel::arena
