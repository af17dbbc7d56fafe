#include "arena.h"

#include "model/rule_options.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace quintel::arena {

namespace {

std::string percent(double share) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.1f %%", 100.0 * share);
    return text.data();
}

} // namespace

std::string summaryLine(const ArenaConfig& config, const ArenaReport& report) {
    const Interval interval = wilsonInterval(report.computerWins, report.games);
    const double games = static_cast<double>(report.games);
    std::array<char, 96> rates{};
    std::snprintf(rates.data(), rates.size(),
                  "calls per game %.2f, longest bluff search %d, games per second %.0f",
                  games > 0 ? static_cast<double>(report.calls) / games : 0.0,
                  report.longestBluffSearch, report.seconds > 0 ? games / report.seconds : 0.0);
    std::string best;
    if (report.bestResponse) {
        const Interval human = wilsonInterval(report.humanWins, report.games);
        std::array<char, 160> text{};
        std::snprintf(text.data(), text.size(),
                      ", human win rate %.5f (95 %% interval %.5f to %.5f), best response %.5f, "
                      "tables %.1f s",
                      games > 0 ? static_cast<double>(report.humanWins) / games : 0.0, human.low,
                      human.high, *report.bestResponse, report.tableSeconds);
        best = text.data();
    }
    if (report.coachPromised) {
        const Interval human = wilsonInterval(report.humanWins, report.games);
        std::array<char, 160> text{};
        std::snprintf(text.data(), text.size(),
                      ", human win rate %.5f (95 %% interval %.5f to %.5f), coach's figure %.5f",
                      games > 0 ? static_cast<double>(report.humanWins) / games : 0.0, human.low,
                      human.high, *report.coachPromised);
        best += text.data();
    }
    return "options " + std::string(optionWords(config.options)) + ", policy " + config.human +
           ", seed " + std::to_string(config.seed) + ": games " + std::to_string(report.games) +
           ", human wins " + std::to_string(report.humanWins) + ", computer wins " +
           std::to_string(report.computerWins) + " (" +
           percent(games > 0 ? static_cast<double>(report.computerWins) / games : 0.0) +
           ", 95 % interval " + percent(interval.low) + " to " + percent(interval.high) + "), " +
           rates.data() + best;
}

} // namespace quintel::arena
