#pragma once

#include "arena_arguments.h"

#include <atomic>
#include <chrono>
#include <mutex>
#include <ostream>

namespace quintel::arena {

// A line on the terminal that shows how far a long run has come: from a few seconds into the run,
// rewritten a few times a second, and taken away at the end. Nothing when not on a terminal.
class ProgressLine {
public:
    ProgressLine(long long games, bool onTerminal);
    // Another game was played (by any job).
    void gamePlayed();
    void finish();

private:
    long long total_;
    bool onTerminal_;
    std::atomic<long long> played_{0};
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point lastShown_{};
    bool shown_ = false;
    std::mutex mutex_;
};

// Plays the run: with one job in this thread, with more side by side, share k of the games with
// the seed S + k. Each game's line goes to `gamesOut` in the order of the jobs.
ArenaReport runJobs(const RunRequest& request, ProgressLine& progress, std::ostream* gamesOut);

} // namespace quintel::arena
