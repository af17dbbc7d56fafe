// The player's record: keeping one decided game, and summing up a large record.
#include "records/record_book.h"
#include "records/record_statistics.h"
#include "records/record_summary.h"
#include "testing/temp_folder.h"

#include <benchmark/benchmark.h>

namespace quintel {
namespace {

GameRecord typicalGame() {
    return {"Ann",
            "2026-12-09T02:14:44.123Z",
            "2026-12-09T02:15:02.456Z",
            true,
            false,
            "classic",
            {{Seat::Human, "22", ""}, {Seat::Computer, "6655", "66"}, {Seat::Human, "666", "66"}},
            {Seat::Computer, Seat::Human, "666", "66613"},
            false,
            "6632413",
            "552",
            {},
            {}};
}

void RecordOneGame(benchmark::State& state) {
    TempFolder folder;
    RecordBook book(RecordBook::pathIn(folder.path()), true);
    const GameRecord game = typicalGame();
    book.add(game);
    bool same = false;
    book.forEachGame([&](const GameRecord& kept) { same = kept == game; });
    if (!same) {
        state.SkipWithError("the game read back differs from the one kept");
        return;
    }
    for (auto _ : state) {
        book.add(game);
    }
}

constexpr long long kGames = 100'000;

// A record of kGames games, each with seven dice of the player's and three of the computer's;
// the player wins every second game.
RecordBook& largeRecord() {
    static TempFolder folder;
    static RecordBook book = [] {
        RecordBook made(RecordBook::pathIn(folder.path()), true);
        made.database().execute(
            "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i + 1 < " +
            std::to_string(kGames) +
            ") INSERT INTO games(player, started, ended, fix_any, fix_permanent, opponent, "
            "challenger, winner, challenged_call, revealed, coach_used, human_throws, "
            "computer_throws, call_count) SELECT 'Ann', '', '', i % 2, i % 3 = 0, 'classic', "
            "0, i % 2, '6', '66543', 0, substr('123456123456', i % 6 + 1, 7), "
            "substr('654321654321', i % 5 + 1, 3), 0 FROM n");
        return made;
    }();
    return book;
}

void SummaryOf100000Games(benchmark::State& state) {
    RecordBook& book = largeRecord();
    const RecordSummary summary = summarizeRecord(book);
    long long faces = 0;
    for (const long long count : summary.faces) {
        faces += count;
    }
    if (summary.all != WinTally{kGames, kGames / 2} || faces != kGames * 10 ||
        summary.byOptionsAndOpponent.size() != 4) {
        state.SkipWithError("the summary does not count the games made");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(summarizeRecord(book));
    }
}

// What the statistics window works out when it opens over the large record.
void StatisticsOf100000Games(benchmark::State& state) {
    RecordBook& book = largeRecord();
    // The second half of the games is the stay; the games are numbered from 1.
    const StatisticsScope scope{"Ann", kGames / 2 + 1};
    const RecordStatistics statistics = gatherStatistics(book, scope);
    if (statistics.all != WinTally{kGames, kGames / 2} ||
        statistics.games.size() != static_cast<std::size_t>(kGames) ||
        statistics.diceAllTime.check.dice != kGames * 10 ||
        statistics.diceThisStay.check.dice != kGames * 5 ||
        statistics.timeline.size() != RecordStatistics::kTimelinePoints) {
        state.SkipWithError("the statistics do not count the games made");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(gatherStatistics(book, scope));
    }
}

BENCHMARK(RecordOneGame)->Unit(benchmark::kMillisecond);
BENCHMARK(SummaryOf100000Games)->Unit(benchmark::kMillisecond);
BENCHMARK(StatisticsOf100000Games)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace quintel
