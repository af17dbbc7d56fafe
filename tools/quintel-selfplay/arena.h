#pragma once

#include "human_seat.h"
#include "opponent/engine/engine_options.h"
#include "records/record_summary.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quintel {
class ComputerPlayer;
}

namespace quintel::arena {

struct ArenaConfig {
    long long games = 1000;
    std::uint64_t seed = 1;
    EngineOptions options;
    Policy policy = Policy::Honest;
    std::filesystem::path dataFolder; // empty: a temporary folder, removed afterwards
    // Asked between moves; true ends the run early, the temporary folder removed as usual.
    std::function<bool()> interrupted;
    // Another computer seat in place of the real one (to show that the arena catches faults).
    ComputerPlayer* computer = nullptr;
    // The computer the player faces: "classic", the game's own, or "expert", which plays the
    // solved game of the options from `solvedFolder` (signed in as a player would choose it).
    std::string computerName = "classic";
    std::filesystem::path solvedFolder;
};

struct ArenaReport {
    long long games = 0;
    long long humanWins = 0;
    long long computerWins = 0;
    long long calls = 0;
    int longestBluffSearch = 0;
    long long settledCalls = 0; // bluff searches that ran into their bound
    double seconds = 0.0;
    std::vector<std::string> faults; // broken invariants; the run stops at the first
    // What the player would have been told about files that could not be written (each names the
    // file); the run stops at the first.
    std::vector<std::string> writeFailures;
    // What the player would have been told about the record of games; play goes on without it.
    std::vector<std::string> recordProblems;
    // A decided game could not be kept in the record of a data folder given to the run (read-only,
    // not a file): the run goes on as the game does, and ends with status 1 as for a file that
    // cannot be written.
    bool recordFailed = false;
    bool interrupted = false;
    // The best-response policy: the chance of winning that its tables promise, and the seconds
    // they took to work out before the first game.
    std::optional<double> bestResponse;
    double tableSeconds = 0.0;
};

// Plays complete games headless through the screens' own handlers, the player's seat taken by
// a scripted policy, and checks every game as it goes.
ArenaReport runArena(const ArenaConfig& config);

// The 95 % Wilson score interval of a proportion, as the player's record gives it.
using quintel::Interval;
using quintel::wilsonInterval;

// One line: games, wins of each side with the computer's 95 % interval, calls per game, the
// longest bluff search and games per second; for the best response also the player's win rate
// with its 95 % interval, the chance its tables promise and the seconds they took.
std::string summaryLine(const ArenaConfig& config, const ArenaReport& report);

} // namespace quintel::arena
