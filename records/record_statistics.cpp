#include "records/record_statistics.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>

namespace quintel {

namespace {

Seat seatOf(std::int64_t number) {
    return number == 0 ? Seat::Human : Seat::Computer;
}

std::vector<GroupRate> groupRates(const std::map<std::string, WinTally>& groups) {
    std::vector<GroupRate> rates;
    for (const auto& [name, tally] : groups) {
        const double rate = tally.games > 0
                                ? static_cast<double>(tally.wins) / static_cast<double>(tally.games)
                                : 0.0;
        rates.push_back({name, tally, rate, wilsonInterval(tally.wins, tally.games)});
    }
    return rates;
}

void countGame(const GameRow& row, RecordStatistics& statistics,
               std::map<std::string, WinTally>& byOptions,
               std::map<std::string, WinTally>& byOpponent) {
    const bool won = row.winner == Seat::Human;
    for (WinTally* tally : {&statistics.all, &byOptions[row.options], &byOpponent[row.opponent]}) {
        ++tally->games;
        tally->wins += won ? 1 : 0;
    }
    const auto calls = static_cast<std::size_t>(row.calls);
    if (statistics.gamesByCalls.size() <= calls) {
        statistics.gamesByCalls.resize(calls + 1);
    }
    ++statistics.gamesByCalls[calls];
    ChallengeTally& challenges = statistics.challenges[static_cast<std::size_t>(row.challenger)];
    ++challenges.made;
    challenges.won += row.winner == row.challenger ? 1 : 0;
}

} // namespace

std::string percentText(double share) {
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), "%.1f %%", share * 100.0);
    return text.data();
}

DiceFigures diceFigures(const FaceTally& faces) {
    DiceFigures figures{faces, checkDice(faces), {}};
    figures.verdict = diceVerdict(figures.check);
    return figures;
}

std::vector<TimelinePoint> winTimeline(const std::vector<bool>& wins, std::size_t points,
                                       long long window) {
    const std::size_t games = wins.size();
    std::vector<long long> winsSoFar(games + 1, 0);
    for (std::size_t k = 0; k < games; ++k) {
        winsSoFar[k + 1] = winsSoFar[k] + (wins[k] ? 1 : 0);
    }
    const auto pointAt = [&](std::size_t played) {
        const std::size_t back = std::min(played, static_cast<std::size_t>(window));
        const long long recent = winsSoFar[played] - winsSoFar[played - back];
        return TimelinePoint{static_cast<long long>(played), winsSoFar[played],
                             static_cast<double>(recent) / static_cast<double>(back)};
    };
    std::vector<TimelinePoint> timeline;
    if (games == 0 || points == 0) {
        return timeline;
    }
    if (games <= points || points == 1) {
        for (std::size_t played = games <= points ? 1 : games; played <= games; ++played) {
            timeline.push_back(pointAt(played));
        }
        return timeline;
    }
    for (std::size_t j = 0; j < points; ++j) {
        // Evenly from the first game to the last, both in.
        timeline.push_back(pointAt(1 + j * (games - 1) / (points - 1)));
    }
    return timeline;
}

RecordStatistics gatherStatistics(RecordBook& book, const StatisticsScope& scope) {
    RecordStatistics statistics;
    sqlite::Statement count =
        book.database().prepare("SELECT count(*) FROM games WHERE ?1 IS NULL OR player = ?1");
    if (scope.player) {
        count.bind(1, *scope.player);
    }
    count.step();
    statistics.games.reserve(static_cast<std::size_t>(count.integer(0)));
    sqlite::Statement games = book.database().prepare(
        "SELECT id, player, started, fix_any, fix_permanent, opponent, call_count, challenger, "
        "winner, human_throws, computer_throws FROM games WHERE ?1 IS NULL OR player = ?1 "
        "ORDER BY id");
    if (scope.player) {
        games.bind(1, *scope.player);
    }
    std::map<std::string, WinTally> byOptions;
    std::map<std::string, WinTally> byOpponent;
    std::vector<bool> wins;
    wins.reserve(statistics.games.capacity());
    FaceTally stayFaces{};
    FaceTally allFaces{};
    long long calls = 0;
    while (games.step()) {
        GameRow row{games.integer(0),
                    games.text(1),
                    games.text(2),
                    optionsName(games.integer(3) != 0, games.integer(4) != 0),
                    games.text(5),
                    static_cast<int>(games.integer(6)),
                    seatOf(games.integer(7)),
                    seatOf(games.integer(8))};
        countGame(row, statistics, byOptions, byOpponent);
        wins.push_back(row.winner == Seat::Human);
        calls += row.calls;
        const bool ofThisStay = scope.stayFrom && row.id >= *scope.stayFrom;
        for (const int column : {9, 10}) {
            tallyFaces(games.textView(column), allFaces);
            if (ofThisStay) {
                tallyFaces(games.textView(column), stayFaces);
            }
        }
        statistics.games.push_back(std::move(row));
    }
    statistics.timeline =
        winTimeline(wins, RecordStatistics::kTimelinePoints, RecordStatistics::kMovingWindow);
    statistics.byOptions = groupRates(byOptions);
    statistics.byOpponent = groupRates(byOpponent);
    if (statistics.all.games > 0) {
        statistics.callsPerGame =
            static_cast<double>(calls) / static_cast<double>(statistics.all.games);
    }
    statistics.diceThisStay = diceFigures(stayFaces);
    statistics.diceAllTime = diceFigures(allFaces);
    return statistics;
}

std::string rateText(const WinTally& tally) {
    if (tally.games == 0) {
        return "no games";
    }
    const Interval interval = wilsonInterval(tally.wins, tally.games);
    return groupedNumber(tally.wins) + " of " + groupedNumber(tally.games) + " won: " +
           percentText(static_cast<double>(tally.wins) / static_cast<double>(tally.games)) +
           ", 95 % interval " + percentText(interval.low) + " to " + percentText(interval.high);
}

std::string challengeText(Seat challenger, const ChallengeTally& tally) {
    const bool you = challenger == Seat::Human;
    if (tally.made == 0) {
        return you ? "You have trusted every call of the computer's so far."
                   : "The computer has trusted every call of yours so far.";
    }
    const std::string times = groupedNumber(tally.made) + (tally.made == 1 ? " time" : " times");
    const std::string right =
        groupedNumber(tally.won) + ": " +
        percentText(static_cast<double>(tally.won) / static_cast<double>(tally.made)) + ".";
    return you ? "You did not trust the computer's call " + times + " and were right in " + right
               : "The computer did not trust your call " + times + " and was right in " + right;
}

std::string callsText(const RecordStatistics& statistics) {
    if (statistics.all.games == 0) {
        return {};
    }
    std::array<char, 32> average{};
    std::snprintf(average.data(), average.size(), "%.2f", statistics.callsPerGame);
    return std::string(average.data()) + " calls a game on average";
}

std::string diceLine(std::string_view when, const DiceFigures& figures) {
    std::string line = std::string(when) + ": " + figures.verdict;
    if (figures.check.dice >= kFewestDiceToJudge) {
        // An uneven verdict names its p-value already.
        std::array<char, 64> numbers{};
        if (figures.check.pValue >= 0.01) {
            std::snprintf(numbers.data(), numbers.size(), " (chi-square %.2f, p = %.2g)",
                          figures.check.chiSquare, figures.check.pValue);
        } else {
            std::snprintf(numbers.data(), numbers.size(), " (chi-square %.2f)",
                          figures.check.chiSquare);
        }
        line += numbers.data();
    }
    return line;
}

std::string seatWords(Seat seat) {
    return seat == Seat::Human ? "You" : "The computer";
}

std::string startedText(std::string_view iso) {
    std::string text(iso.substr(0, 16));
    if (text.size() > 10 && text[10] == 'T') {
        text[10] = ' ';
    }
    return text;
}

} // namespace quintel
