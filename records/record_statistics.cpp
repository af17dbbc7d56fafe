#include "records/record_statistics.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <stdexcept>

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

// A game's facts as the statistics count them.
struct CountedGame {
    std::size_t options = 0; // fix any + 2 fix permanent
    std::uint32_t opponent = 0;
    std::size_t calls = 0;
    Seat challenger = Seat::Human;
    Seat winner = Seat::Human;
};

// The tallies by option set and by opponent, by number while the games are counted.
struct GroupTallies {
    std::array<WinTally, 4> byOptions{};
    std::vector<WinTally> byOpponent; // by the name's number in the rows
};

void countGame(const CountedGame& game, RecordStatistics& statistics, GroupTallies& groups) {
    const bool won = game.winner == Seat::Human;
    if (groups.byOpponent.size() <= game.opponent) {
        groups.byOpponent.resize(game.opponent + 1);
    }
    for (WinTally* tally :
         {&statistics.all, &groups.byOptions[game.options], &groups.byOpponent[game.opponent]}) {
        ++tally->games;
        tally->wins += won ? 1 : 0;
    }
    // A count from another program's record may be anything; what the chart shows is bounded.
    const std::size_t calls = std::min<std::size_t>(game.calls, 10'000);
    if (statistics.gamesByCalls.size() <= calls) {
        statistics.gamesByCalls.resize(calls + 1);
    }
    ++statistics.gamesByCalls[calls];
    ChallengeTally& challenges = statistics.challenges[static_cast<std::size_t>(game.challenger)];
    ++challenges.made;
    challenges.won += game.winner == game.challenger ? 1 : 0;
}

// The groups by their names in words, in the order of the names.
void nameGroups(const GroupTallies& groups, const GameRows& rows, RecordStatistics& statistics) {
    std::map<std::string, WinTally> byOptions;
    for (std::size_t options = 0; options < groups.byOptions.size(); ++options) {
        if (groups.byOptions[options].games > 0) {
            byOptions[optionsName((options & 1) != 0, (options & 2) != 0)] =
                groups.byOptions[options];
        }
    }
    std::map<std::string, WinTally> byOpponent;
    for (std::uint32_t name = 0; name < groups.byOpponent.size(); ++name) {
        if (groups.byOpponent[name].games > 0) {
            byOpponent[rows.name(name)] = groups.byOpponent[name];
        }
    }
    statistics.byOptions = groupRates(byOptions);
    statistics.byOpponent = groupRates(byOpponent);
}

constexpr std::uint8_t kFixAnyBit = 1;
constexpr std::uint8_t kFixPermanentBit = 2;
constexpr std::uint8_t kComputerChallengedBit = 4;
constexpr std::uint8_t kComputerWonBit = 8;

} // namespace

void GameRows::clear() {
    rows_.clear();
    names_.clear();
    numbers_.clear();
    recent_.fill(kNoName);
}

std::uint32_t GameRows::nameNumber(std::string_view name) {
    // Most games of a record name the player and the computer of the games before them.
    for (const std::uint32_t recent : recent_) {
        if (recent < names_.size() && names_[recent] == name) {
            return recent;
        }
    }
    const auto found = numbers_.find(name);
    std::uint32_t number = 0;
    if (found != numbers_.end()) {
        number = found->second;
    } else {
        number = static_cast<std::uint32_t>(names_.size());
        names_.emplace_back(name);
        numbers_.emplace(names_.back(), number);
    }
    recent_[nextRecent_] = number;
    nextRecent_ = (nextRecent_ + 1) % recent_.size();
    return number;
}

void GameRows::add(std::int64_t id, std::string_view player, std::string_view started, bool fixAny,
                   bool fixPermanent, std::string_view opponent, int calls, Seat challenger,
                   Seat winner) {
    Row row;
    row.id = id;
    row.player = nameNumber(player);
    row.opponent = nameNumber(opponent);
    row.calls = calls;
    row.startedSize = static_cast<std::uint8_t>(std::min(started.size(), kStartedKept));
    std::copy_n(started.begin(), row.startedSize, row.started.begin());
    row.flags = static_cast<std::uint8_t>(
        (fixAny ? kFixAnyBit : 0) | (fixPermanent ? kFixPermanentBit : 0) |
        (challenger == Seat::Computer ? kComputerChallengedBit : 0) |
        (winner == Seat::Computer ? kComputerWonBit : 0));
    rows_.push_back(row);
}

GameRow GameRows::operator[](std::size_t index) const {
    const Row& row = rows_[index];
    return {row.id,
            names_[row.player],
            std::string(row.started.data(), row.startedSize),
            optionsName((row.flags & kFixAnyBit) != 0, (row.flags & kFixPermanentBit) != 0),
            names_[row.opponent],
            row.calls,
            (row.flags & kComputerChallengedBit) != 0 ? Seat::Computer : Seat::Human,
            (row.flags & kComputerWonBit) != 0 ? Seat::Computer : Seat::Human};
}

GameRow GameRows::at(std::size_t index) const {
    if (index >= rows_.size()) {
        throw std::out_of_range("no game in row " + std::to_string(index));
    }
    return (*this)[index];
}

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
    const auto expected = static_cast<std::size_t>(std::max<std::int64_t>(0, count.integer(0)));
    statistics.games.reserve(expected);
    sqlite::Statement games = book.database().prepare(
        "SELECT id, player, started, fix_any, fix_permanent, opponent, call_count, challenger, "
        "winner, human_throws, computer_throws FROM games WHERE ?1 IS NULL OR player = ?1 "
        "ORDER BY id");
    if (scope.player) {
        games.bind(1, *scope.player);
    }
    GroupTallies groups;
    std::vector<bool> wins;
    wins.reserve(expected);
    FaceTally stayFaces{};
    FaceTally allFaces{};
    long long calls = 0;
    while (games.step()) {
        const std::int64_t id = games.integer(0);
        const bool fixAny = games.integer(3) != 0;
        const bool fixPermanent = games.integer(4) != 0;
        const std::string_view opponent = games.textView(5);
        const CountedGame counted{
            (fixAny ? 1U : 0U) + (fixPermanent ? 2U : 0U), statistics.games.nameNumber(opponent),
            static_cast<std::size_t>(std::max<std::int64_t>(0, games.integer(6))),
            seatOf(games.integer(7)), seatOf(games.integer(8))};
        countGame(counted, statistics, groups);
        statistics.games.add(id, games.textView(1), games.textView(2), fixAny, fixPermanent,
                             opponent, static_cast<int>(counted.calls), counted.challenger,
                             counted.winner);
        wins.push_back(counted.winner == Seat::Human);
        calls += static_cast<long long>(counted.calls);
        const bool ofThisStay = scope.stayFrom && id >= *scope.stayFrom;
        for (const int column : {9, 10}) {
            tallyFaces(games.textView(column), allFaces);
            if (ofThisStay) {
                tallyFaces(games.textView(column), stayFaces);
            }
        }
    }
    statistics.timeline =
        winTimeline(wins, RecordStatistics::kTimelinePoints, RecordStatistics::kMovingWindow);
    nameGroups(groups, statistics.games, statistics);
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
