// The match runner: complete games between any two players, through the table's rules or the
// screens, checked as they go.
#include "arena_arguments.h"
#include "match_jobs.h"
#include "records/file_io.h"

#include <csignal>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

volatile std::sig_atomic_t stopSignal = 0;

extern "C" void requestStop(int signal) {
    stopSignal = signal;
}

// A signal that would end the run ends it between moves instead, so the temporary folder goes
// too; the signal is raised again afterwards, and the run ends as it would have.
void stopBetweenMovesOnSignals() {
    struct sigaction action {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        sigaction(signal, &action, nullptr);
    }
}

void endAsTheSignalWould() {
    const int signal = stopSignal;
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void printProblems(const quintel::arena::ArenaConfig& config,
                   const quintel::arena::ArenaReport& report) {
    for (const std::string& notice : report.notices) {
        std::cerr << "quintel-match: " << notice << "\n";
    }
    for (const std::string& refusal : report.refusals) {
        std::cerr << "quintel-match: " << refusal << "\n";
    }
    for (const std::string& fault : report.faults) {
        std::cerr << "quintel-match: fault: " << fault << "\n";
    }
    const std::string where = config.dataFolder.empty() ? "" : " in " + config.dataFolder.string();
    for (const std::string& failure : report.writeFailures) {
        std::cerr << "quintel-match: a player file" << where << " could not be written: " << failure
                  << "\n";
    }
    for (const std::string& problem : report.recordProblems) {
        std::cerr << "quintel-match: " << problem << "\n";
    }
}

} // namespace

int main(int argc, char** argv) {
    using namespace quintel::arena;
    // Past the file-size limit a write then fails, and the run reports it.
    quintel::files::ignoreFileSizeSignal();
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const ParsedArguments parsed = parseArguments(arguments);
    if (std::holds_alternative<HelpRequested>(parsed)) {
        std::cout << usage();
        return 0;
    }
    if (const auto* error = std::get_if<ArgumentError>(&parsed)) {
        std::cerr << "quintel-match: " << error->message << "\n" << usage();
        return 2;
    }
    RunRequest request = std::get<RunRequest>(parsed);
    request.config.interrupted = [] { return stopSignal != 0; };
    stopBetweenMovesOnSignals();
    std::ofstream gamesOut;
    if (!request.gamesOut.empty()) {
        gamesOut.open(request.gamesOut, std::ios::binary | std::ios::trunc);
        if (!gamesOut) {
            std::cerr << "quintel-match: cannot write " << request.gamesOut.string() << "\n";
            return 1;
        }
    }
    try {
        ProgressLine progress(request.config.games, ::isatty(STDERR_FILENO) == 1);
        const ArenaReport report =
            runJobs(request, progress, gamesOut.is_open() ? &gamesOut : nullptr);
        progress.finish();
        if (report.interrupted) {
            endAsTheSignalWould();
        }
        std::cout << summaryLine(request.config, report) << "\n" << report.leaks;
        printProblems(request.config, report);
        if (gamesOut.is_open() && !gamesOut.flush()) {
            std::cerr << "quintel-match: " << request.gamesOut.string()
                      << " could not be written\n";
            return 1;
        }
        return report.faults.empty() && report.writeFailures.empty() && !report.recordFailed ? 0
                                                                                             : 1;
    } catch (const std::exception& error) {
        std::cerr << "quintel-match: " << error.what() << "\n";
        return 1;
    }
}
