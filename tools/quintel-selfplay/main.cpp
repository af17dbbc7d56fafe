// Self-play arena: the computer opponent against a scripted player, played through the screens.
#include "arena_arguments.h"
#include "records/file_io.h"

#include <csignal>
#include <iostream>
#include <string>
#include <string_view>
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
        std::cerr << "quintel-selfplay: " << error->message << "\n" << usage();
        return 2;
    }
    ArenaConfig config = std::get<ArenaConfig>(parsed);
    config.interrupted = [] { return stopSignal != 0; };
    stopBetweenMovesOnSignals();
    try {
        const ArenaReport report = runArena(config);
        if (report.interrupted) {
            endAsTheSignalWould();
        }
        std::cout << summaryLine(config, report) << "\n";
        for (const std::string& fault : report.faults) {
            std::cerr << "quintel-selfplay: fault: " << fault << "\n";
        }
        const std::string where =
            config.dataFolder.empty() ? "" : " in " + config.dataFolder.string();
        for (const std::string& failure : report.writeFailures) {
            std::cerr << "quintel-selfplay: a player file" << where
                      << " could not be written: " << failure << "\n";
        }
        for (const std::string& problem : report.recordProblems) {
            std::cerr << "quintel-selfplay: " << problem << "\n";
        }
        return report.faults.empty() && report.writeFailures.empty() && !report.recordFailed ? 0
                                                                                             : 1;
    } catch (const std::exception& error) {
        std::cerr << "quintel-selfplay: " << error.what() << "\n";
        return 1;
    }
}
