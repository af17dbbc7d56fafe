#include "records/record_summary.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace quintel {

namespace {

std::string percent(double share) {
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), "%.1f %%", share * 100.0);
    return text.data();
}

std::string winLine(const WinTally& tally) {
    std::string line = groupedNumber(tally.games) + " games, " + groupedNumber(tally.wins) + " won";
    if (tally.games > 0) {
        const double rate = static_cast<double>(tally.wins) / static_cast<double>(tally.games);
        const Interval interval = wilsonInterval(tally.wins, tally.games);
        line += " (" + percent(rate) + ", 95 % interval " + percent(interval.low) + " to " +
                percent(interval.high) + ")";
    }
    return line;
}

} // namespace

Interval wilsonInterval(long long successes, long long trials) {
    if (trials <= 0) {
        return {0.0, 1.0};
    }
    constexpr double z = 1.959963984540054;
    const double n = static_cast<double>(trials);
    const double p = static_cast<double>(successes) / n;
    const double denominator = 1.0 + z * z / n;
    const double centre = (p + z * z / (2.0 * n)) / denominator;
    const double half = z * std::sqrt(p * (1.0 - p) / n + z * z / (4.0 * n * n)) / denominator;
    return {std::max(0.0, centre - half), std::min(1.0, centre + half)};
}

RecordSummary summarizeRecord(RecordBook& book) {
    RecordSummary summary;
    sqlite::Statement groups = book.database().prepare(
        "SELECT fix_any, fix_permanent, opponent, count(*), sum(winner = 0) FROM games "
        "GROUP BY fix_any, fix_permanent, opponent");
    while (groups.step()) {
        const WinTally tally{groups.integer(3), groups.integer(4)};
        summary.byOptionsAndOpponent[{optionsName(groups.integer(0) != 0, groups.integer(1) != 0),
                                      groups.text(2)}] = tally;
        summary.all.games += tally.games;
        summary.all.wins += tally.wins;
    }
    sqlite::Statement throws =
        book.database().prepare("SELECT human_throws, computer_throws FROM games");
    while (throws.step()) {
        tallyFaces(throws.textView(0), summary.faces);
        tallyFaces(throws.textView(1), summary.faces);
    }
    summary.incomplete = book.incompleteGames();
    return summary;
}

std::string summaryText(const RecordSummary& summary) {
    std::string text = "All: " + winLine(summary.all) + "\n";
    for (const auto& [key, tally] : summary.byOptionsAndOpponent) {
        text += key.first + " against " + key.second + ": " + winLine(tally) + "\n";
    }
    text += "Faces thrown:";
    for (std::size_t face = 0; face < summary.faces.size(); ++face) {
        text += std::string(face == 0 ? " " : ", ") + std::to_string(face + 1) + ": " +
                groupedNumber(summary.faces[face]);
    }
    const DiceCheck check = checkDice(summary.faces);
    std::array<char, 64> figures{};
    std::snprintf(figures.data(), figures.size(), "chi-square %.2f, %d degrees of freedom, p %.3g",
                  check.chiSquare, check.degreesOfFreedom, check.pValue);
    text += "\nDice: " + diceVerdict(check) + " (" + figures.data() + ")\n";
    if (summary.incomplete > 0) {
        text += "Incomplete games: " + groupedNumber(summary.incomplete) + "\n";
    }
    return text;
}

} // namespace quintel
