#include "match_jobs.h"

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <sstream>
#include <thread>
#include <vector>

namespace quintel::arena {

namespace {

constexpr auto kQuietStart = std::chrono::seconds(2);
constexpr auto kRefresh = std::chrono::milliseconds(250);

void add(ArenaReport& total, const ArenaReport& part) {
    total.games += part.games;
    total.humanWins += part.humanWins;
    total.computerWins += part.computerWins;
    total.calls += part.calls;
    total.longestBluffSearch = std::max(total.longestBluffSearch, part.longestBluffSearch);
    total.settledCalls += part.settledCalls;
    total.leaks += part.leaks;
    total.seconds = std::max(total.seconds, part.seconds);
    for (const auto& [to, from] : {std::pair{&total.faults, &part.faults},
                                   {&total.writeFailures, &part.writeFailures},
                                   {&total.recordProblems, &part.recordProblems},
                                   {&total.notices, &part.notices},
                                   {&total.refusals, &part.refusals}}) {
        to->insert(to->end(), from->begin(), from->end());
    }
    total.interrupted = total.interrupted || part.interrupted;
    total.recordFailed = total.recordFailed || part.recordFailed;
    if (part.coachPromised) {
        // A mean over the games of each part, weighed by them.
        const auto before = static_cast<double>(total.games - part.games);
        total.coachPromised = (total.coachPromised.value_or(0.0) * before +
                               *part.coachPromised * static_cast<double>(part.games)) /
                              static_cast<double>(total.games);
    }
    if (part.bestResponse) {
        total.bestResponse = part.bestResponse;
        total.tableSeconds = std::max(total.tableSeconds, part.tableSeconds);
    }
}

} // namespace

ProgressLine::ProgressLine(long long games, bool onTerminal)
    : total_(games), onTerminal_(onTerminal) {}

void ProgressLine::gamePlayed() {
    const long long played = ++played_;
    if (!onTerminal_) {
        return;
    }
    const auto now = std::chrono::steady_clock::now();
    const std::lock_guard lock(mutex_);
    if (now - start_ < kQuietStart || now - lastShown_ < kRefresh) {
        return;
    }
    lastShown_ = now;
    shown_ = true;
    const double seconds = std::chrono::duration<double>(now - start_).count();
    std::fprintf(stderr, "\rquintel-match: %lld of %lld games (%.0f %%), %.0f games a second ",
                 played, total_, 100.0 * static_cast<double>(played) / static_cast<double>(total_),
                 static_cast<double>(played) / seconds);
    std::fflush(stderr);
}

void ProgressLine::finish() {
    if (shown_) {
        // Back to the start of the line, and the line cleared.
        std::fputs("\r\033[K", stderr);
        std::fflush(stderr);
    }
}

ArenaReport runJobs(const RunRequest& request, ProgressLine& progress, std::ostream* gamesOut) {
    const int jobs = request.jobs;
    std::vector<ArenaConfig> configs(static_cast<std::size_t>(jobs), request.config);
    std::vector<std::ostringstream> lines(static_cast<std::size_t>(jobs));
    for (int k = 0; k < jobs; ++k) {
        ArenaConfig& config = configs[static_cast<std::size_t>(k)];
        config.games = request.config.games / jobs + (k < request.config.games % jobs ? 1 : 0);
        config.seed = request.config.seed + static_cast<std::uint64_t>(k);
        config.progress = [&progress](long long) { progress.gamePlayed(); };
        if (gamesOut != nullptr) {
            std::ostream& out = jobs == 1 ? *gamesOut : lines[static_cast<std::size_t>(k)];
            config.gameLine = [&out](const std::string& line) { out << line << '\n'; };
        }
    }
    std::vector<ArenaReport> reports(static_cast<std::size_t>(jobs));
    if (jobs == 1) {
        reports[0] = runArena(configs[0]);
    } else {
        std::vector<std::jthread> threads;
        for (std::size_t k = 0; k < configs.size(); ++k) {
            threads.emplace_back([&, k] { reports[k] = runArena(configs[k]); });
        }
    }
    ArenaReport total;
    for (std::size_t k = 0; k < reports.size(); ++k) {
        add(total, reports[k]);
        if (gamesOut != nullptr && jobs > 1) {
            *gamesOut << lines[k].str();
        }
    }
    return total;
}

} // namespace quintel::arena
