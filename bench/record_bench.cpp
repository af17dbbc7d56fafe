// The player's record: keeping one decided game, opening a large record and keeping a game in it,
// and summing up, gathering the statistics of and exporting a large record, with the most heap
// each takes (bytes of C++ allocations and of SQLite's, as the counter peak_MB).
//
// The large record holds 10,000 games, so that the test command's run stays short; for the figures
// at a million games, as a player's record may grow, run
//   QUINTEL_RECORD_GAMES=1000000 build/bench/record_bench
#include "records/record_book.h"
#include "records/record_export.h"
#include "records/record_statistics.h"
#include "records/record_summary.h"
#include "testing/temp_folder.h"

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sqlite3.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <new>
#include <ostream>
#include <streambuf>
#include <string>

namespace {

// Every byte the program holds through operator new, now and at the most since the last reset.
std::atomic<std::size_t> heapNow{0};
std::atomic<std::size_t> heapPeak{0};

void noteAllocation(void* block) {
    const std::size_t now = heapNow += malloc_usable_size(block);
    std::size_t peak = heapPeak.load(std::memory_order_relaxed);
    while (now > peak && !heapPeak.compare_exchange_weak(peak, now)) {
    }
}

} // namespace

// Not inlined: the compiler would otherwise pair the new-expressions of this file with free().
[[gnu::noinline]] void* operator new(std::size_t size) {
    void* block = std::malloc(std::max<std::size_t>(size, 1));
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    noteAllocation(block);
    return block;
}

[[gnu::noinline]] void operator delete(void* block) noexcept {
    if (block != nullptr) {
        heapNow -= malloc_usable_size(block);
        std::free(block);
    }
}

[[gnu::noinline]] void operator delete(void* block, std::size_t) noexcept {
    operator delete(block);
}

namespace quintel {
namespace {

// The most heap a piece of work takes above what was held before it, C++ and SQLite together.
class HeapPeak {
public:
    HeapPeak() : before_(heapNow.load()), sqliteBefore_(sqlite3_memory_used()) {
        heapPeak = before_;
        sqlite3_memory_highwater(1);
    }
    double megabytes() const {
        const auto bytes = static_cast<double>(heapPeak.load() - before_) +
                           static_cast<double>(sqlite3_memory_highwater(0) - sqliteBefore_);
        return bytes / (1 << 20);
    }

private:
    std::size_t before_;
    sqlite3_int64 sqliteBefore_;
};

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

long long largeRecordGames() {
    const char* games = std::getenv("QUINTEL_RECORD_GAMES");
    return games != nullptr ? std::max(1LL, std::atoll(games)) : 10'000;
}

// A record of largeRecordGames() games, made in one transaction, each with three calls, seven
// dice of the player's and three of the computer's; the player wins every second game.
const std::filesystem::path& largeRecord() {
    static TempFolder folder;
    static const std::filesystem::path path = [] {
        const std::filesystem::path made = RecordBook::pathIn(folder.path());
        RecordBook book(made, true);
        const std::string games = std::to_string(largeRecordGames());
        book.database().execute(
            "BEGIN; WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i + 1 < " +
            games +
            ") INSERT INTO games(id, player, started, ended, fix_any, fix_permanent, opponent, "
            "challenger, winner, challenged_call, revealed, coach_used, human_throws, "
            "computer_throws, call_count) SELECT i + 1, 'Ann', '2026-12-09T02:14:44.123Z', "
            "'2026-12-09T02:15:02.456Z', i % 2, i % 3 = 0, 'classic', 0, i % 2, '666', '66543', "
            "0, substr('123456123456', i % 6 + 1, 7), substr('654321654321', i % 5 + 1, 3), 3 "
            "FROM n; WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i + 1 "
            "< 3 * " +
            games +
            ") INSERT INTO calls(game, number, caller, dice, fixed) SELECT i / 3 + 1, i % 3 + 1, "
            "i % 2, substr('66655', 1, i % 3 + 3), '' FROM n; COMMIT;");
        return made;
    }();
    return path;
}

// What the game does when the first game of a stay is decided: it opens the record and keeps the
// game.
void OpenAndKeepOneGame(benchmark::State& state) {
    // A copy, so that the games kept here leave the large record as it was made.
    TempFolder folder;
    const std::filesystem::path path = RecordBook::pathIn(folder.path());
    std::filesystem::copy_file(largeRecord(), path);
    const GameRecord game = typicalGame();
    for (auto _ : state) {
        RecordBook book(path, true);
        benchmark::DoNotOptimize(book.add(game));
    }
    state.counters["games"] = static_cast<double>(state.range(0));
}

void SummaryOfTheRecord(benchmark::State& state) {
    RecordBook book = RecordBook::forReading(largeRecord());
    const RecordSummary summary = summarizeRecord(book);
    const long long games = state.range(0);
    long long faces = 0;
    for (const long long count : summary.faces) {
        faces += count;
    }
    if (summary.all != WinTally{games, games / 2} || faces != games * 10 ||
        summary.byOptionsAndOpponent.size() != 4) {
        state.SkipWithError("the summary does not count the games made");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(summarizeRecord(book));
    }
}

// What the statistics window works out when it opens over the large record.
void StatisticsOfTheRecord(benchmark::State& state) {
    RecordBook book = RecordBook::forReading(largeRecord());
    const long long games = state.range(0);
    // The second half of the games is the stay; the games are numbered from 1.
    const StatisticsScope scope{"Ann", games / 2 + 1};
    const RecordStatistics statistics = gatherStatistics(book, scope);
    if (statistics.all != WinTally{games, games / 2} ||
        statistics.games.size() != static_cast<std::size_t>(games) ||
        statistics.diceAllTime.check.dice != games * 10 ||
        statistics.diceThisStay.check.dice != games * 5 ||
        statistics.timeline.size() != std::min<std::size_t>(RecordStatistics::kTimelinePoints,
                                                            static_cast<std::size_t>(games)) ||
        statistics.games[static_cast<std::size_t>(games - 1)].started !=
            "2026-12-09T02:14:44.123Z") {
        state.SkipWithError("the statistics do not count the games made");
        return;
    }
    double peak = 0;
    for (auto _ : state) {
        const HeapPeak heap;
        benchmark::DoNotOptimize(gatherStatistics(book, scope));
        peak = std::max(peak, heap.megabytes());
    }
    state.counters["peak_MB"] = peak;
}

// Counts what is written and keeps nothing.
class CountingBuffer : public std::streambuf {
public:
    long long bytes = 0;

protected:
    std::streamsize xsputn(const char*, std::streamsize count) override {
        bytes += count;
        return count;
    }
    int_type overflow(int_type c) override {
        ++bytes;
        return traits_type::not_eof(c);
    }
};

// Every game of the large record as JSON, as the record tool and the window write it.
void ExportOfTheRecord(benchmark::State& state) {
    RecordBook book = RecordBook::forReading(largeRecord());
    const long long games = state.range(0);
    std::vector<std::int64_t> all(static_cast<std::size_t>(games));
    for (std::size_t i = 0; i < all.size(); ++i) {
        all[i] = static_cast<std::int64_t>(i) + 1;
    }
    double peak = 0;
    for (auto _ : state) {
        CountingBuffer counted;
        std::ostream out(&counted);
        const HeapPeak heap;
        if (exportGames(book, all, ExportFormat::Json, out) != games) {
            state.SkipWithError("the export does not write every game");
            return;
        }
        peak = std::max(peak, heap.megabytes());
        state.SetBytesProcessed(state.bytes_processed() + counted.bytes);
    }
    state.counters["peak_MB"] = peak;
}

BENCHMARK(RecordOneGame)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenAndKeepOneGame)->Arg(largeRecordGames())->Unit(benchmark::kMillisecond);
BENCHMARK(SummaryOfTheRecord)->Arg(largeRecordGames())->Unit(benchmark::kMillisecond);
BENCHMARK(StatisticsOfTheRecord)->Arg(largeRecordGames())->Unit(benchmark::kMillisecond);
BENCHMARK(ExportOfTheRecord)->Arg(largeRecordGames())->Unit(benchmark::kMillisecond);

} // namespace
} // namespace quintel
