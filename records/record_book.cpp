#include "records/record_book.h"

#include <cstdint>
#include <sys/stat.h>
#include <system_error>
#include <tuple>
#include <utility>

namespace quintel {

namespace {

constexpr std::string_view kSchema = R"(
CREATE TABLE IF NOT EXISTS games(
    id INTEGER PRIMARY KEY,
    player TEXT NOT NULL,
    started TEXT NOT NULL,
    ended TEXT NOT NULL,
    fix_any INTEGER NOT NULL,
    fix_permanent INTEGER NOT NULL,
    opponent TEXT NOT NULL,
    challenger INTEGER NOT NULL,
    winner INTEGER NOT NULL,
    challenged_call TEXT NOT NULL,
    revealed TEXT NOT NULL,
    coach_used INTEGER NOT NULL,
    human_throws TEXT NOT NULL,
    computer_throws TEXT NOT NULL,
    call_count INTEGER NOT NULL);
CREATE TABLE IF NOT EXISTS calls(
    game INTEGER NOT NULL REFERENCES games(id),
    number INTEGER NOT NULL,
    caller INTEGER NOT NULL,
    dice TEXT NOT NULL,
    fixed TEXT NOT NULL,
    PRIMARY KEY(game, number)) WITHOUT ROWID;
CREATE TABLE IF NOT EXISTS call_throws(
    game INTEGER NOT NULL REFERENCES games(id),
    number INTEGER NOT NULL,
    thrown TEXT NOT NULL,
    PRIMARY KEY(game, number)) WITHOUT ROWID;
CREATE TABLE IF NOT EXISTS history_lines(
    game INTEGER NOT NULL REFERENCES games(id),
    number INTEGER NOT NULL,
    after_calls INTEGER NOT NULL,
    text TEXT NOT NULL,
    PRIMARY KEY(game, number)) WITHOUT ROWID;
)";

constexpr std::string_view kGameColumns =
    "id, player, started, ended, fix_any, fix_permanent, opponent, challenger, winner, "
    "challenged_call, revealed, coach_used, human_throws, computer_throws, call_count";

struct Tables {
    bool games = false;
    bool calls = false;
    bool throws = false;
    bool lines = false;
    bool any = false;
};

Tables tablesOf(sqlite::Database& database) {
    Tables tables;
    sqlite::Statement names =
        database.prepare("SELECT name FROM sqlite_master WHERE type = 'table'");
    while (names.step()) {
        const std::string_view name = names.textView(0);
        tables.any = true;
        tables.games = tables.games || name == "games";
        tables.calls = tables.calls || name == "calls";
        tables.throws = tables.throws || name == "call_throws";
        tables.lines = tables.lines || name == "history_lines";
    }
    return tables;
}

int versionOf(sqlite::Database& database) {
    sqlite::Statement version = database.prepare("PRAGMA user_version");
    version.step();
    return static_cast<int>(version.integer(0));
}

std::filesystem::path beside(const std::filesystem::path& path, std::string_view suffix) {
    std::filesystem::path other = path;
    other += suffix;
    return other;
}

bool entryExists(const std::filesystem::path& path) {
    std::error_code ignored;
    return std::filesystem::exists(std::filesystem::symlink_status(path, ignored));
}

// Copies the record, as one consistent snapshot, to the first free name
// "record.sqlite.backup-v<version>[-<k>]" beside it.
void keepCopy(sqlite::Database& database, const std::filesystem::path& path, int version) {
    const std::string stem = ".backup-v" + std::to_string(version);
    for (int k = 1; k <= 100; ++k) {
        const std::filesystem::path copy =
            beside(path, k == 1 ? stem : stem + "-" + std::to_string(k));
        if (entryExists(copy)) {
            continue;
        }
        sqlite::Statement vacuum = database.prepare("VACUUM INTO ?1");
        vacuum.bind(1, copy.string());
        vacuum.step();
        return;
    }
    throw sqlite::Error(1 /* SQLITE_ERROR */, "no free name for a copy of the record to upgrade");
}

Seat seatOf(std::int64_t number) {
    return number == 0 ? Seat::Human : Seat::Computer;
}

std::int64_t numberOf(Seat seat) {
    return seat == Seat::Human ? 0 : 1;
}

GameRecord gameOfRow(const sqlite::Statement& games) {
    GameRecord game;
    game.player = games.text(1);
    game.started = games.text(2);
    game.ended = games.text(3);
    game.fixAny = games.integer(4) != 0;
    game.fixPermanent = games.integer(5) != 0;
    game.opponent = games.text(6);
    game.outcome.challenger = seatOf(games.integer(7));
    game.outcome.winner = seatOf(games.integer(8));
    game.outcome.call = games.text(9);
    game.outcome.dice = games.text(10);
    game.coachUsed = games.integer(11) != 0;
    game.humanThrows = games.text(12);
    game.computerThrows = games.text(13);
    return game;
}

} // namespace

std::string optionsName(bool fixAny, bool fixPermanent) {
    if (fixAny && fixPermanent) {
        return "Fix Any + Fix Permanent";
    }
    if (fixAny) {
        return "Fix Any";
    }
    return fixPermanent ? "Fix Permanent" : "no options";
}

std::string_view seatName(Seat seat) {
    return seat == Seat::Human ? "player" : "computer";
}

RecordBook::RecordBook(const std::filesystem::path& path, sqlite::Database database)
    : path_(path), database_(std::move(database)) {}

RecordBook::RecordBook(const std::filesystem::path& path, bool create)
    : path_(path), database_(path, create) {
    if (!database_.readOnly()) {
        prepareForKeeping(path);
        return;
    }
    if (create) {
        throw sqlite::Error(8 /* SQLITE_READONLY */, "the record is read-only");
    }
    checkKnown();
}

RecordBook RecordBook::forReading(const std::filesystem::path& path) {
    const auto readAsImmutable = [&path] {
        const std::optional<FileStamp> stamp = stampOf(path);
        RecordBook book(path, sqlite::Database(path, sqlite::Database::Reading::immutable));
        book.immutableAt_ = stamp;
        book.checkKnown();
        return book;
    };
    // SQLite removes the log when the last connection closes, and a rollback journal is there
    // only while a program writes.
    if (!entryExists(beside(path, "-wal")) && !entryExists(beside(path, "-journal"))) {
        return readAsImmutable();
    }
    try {
        RecordBook book(path, sqlite::Database(path, sqlite::Database::Reading::shared));
        book.checkKnown();
        return book;
    } catch (const sqlite::Error& error) {
        // A read-only folder cannot take the index of the log a shared reader needs: nobody can
        // write the record there either.
        if (error.code() != 14 /* SQLITE_CANTOPEN */) {
            throw;
        }
    }
    return readAsImmutable();
}

bool RecordBook::changedSinceOpened() const {
    return immutableAt_ && (entryExists(beside(path_, "-wal")) || stampOf(path_) != *immutableAt_);
}

std::optional<RecordBook::FileStamp> RecordBook::stampOf(const std::filesystem::path& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return std::nullopt;
    }
    return FileStamp{static_cast<std::uintmax_t>(status.st_size),
                     std::int64_t{status.st_mtim.tv_sec} * 1'000'000'000 + status.st_mtim.tv_nsec};
}

// Refuses a database that is not a record this program knows, before anything is written to it.
void RecordBook::checkKnown() {
    const int version = versionOf(database_);
    if (version < 0 || version > kVersion) {
        throw RecordRefused("it is a record of version " + std::to_string(version) +
                            ", which this program does not know (it keeps version " +
                            std::to_string(kVersion) + ")");
    }
    const Tables tables = tablesOf(database_);
    reviewFacts_ = tables.throws && tables.lines;
    if (!tables.any && version == 0 && !database_.readOnly()) {
        return; // a new record
    }
    for (const auto& [present, name, columns] :
         {std::tuple{tables.games, "games", std::string(kGameColumns)},
          {tables.calls, "calls", std::string("game, number, caller, dice, fixed")}}) {
        if (!present) {
            throw RecordRefused(std::string("it is not a record of games: it has no ") + name +
                                " table");
        }
        try {
            database_.prepare("SELECT " + columns + " FROM " + name + " LIMIT 0").step();
        } catch (const sqlite::Error& error) {
            if (error.damaged()) {
                throw;
            }
            throw RecordRefused(std::string("it is not a record of games: its ") + name +
                                " table has other columns");
        }
    }
}

void RecordBook::prepareForKeeping(const std::filesystem::path& path) {
    checkKnown();
    // A write-ahead log: a program killed in the middle of a game's transaction leaves the
    // record as it was before it, and the log is only flushed to disk at checkpoints, which keeps
    // a game's record quick.
    database_.execute("PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL;");
    const int version = versionOf(database_);
    if (version == kVersion && reviewFacts_) {
        return;
    }
    if (version != kVersion && tablesOf(database_).any) {
        keepCopy(database_, path, version);
    }
    sqlite::Transaction upgrade(database_);
    // Another program may have upgraded it in the meantime; the statements change nothing then.
    database_.execute(kSchema);
    database_.execute("PRAGMA user_version = " + std::to_string(kVersion));
    upgrade.commit();
    reviewFacts_ = true;
}

std::string RecordBook::integrityCheck() {
    sqlite::Statement check = database_.prepare("PRAGMA integrity_check");
    std::string verdict;
    while (check.step()) {
        verdict += (verdict.empty() ? "" : "\n") + check.text(0);
    }
    return verdict;
}

std::int64_t RecordBook::add(const GameRecord& game) {
    sqlite::Transaction transaction(database_);
    sqlite::Statement insertGame = database_.prepare(
        "INSERT INTO games(player, started, ended, fix_any, fix_permanent, opponent, challenger, "
        "winner, challenged_call, revealed, coach_used, human_throws, computer_throws, "
        "call_count) VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14)");
    insertGame.bind(1, game.player);
    insertGame.bind(2, game.started);
    insertGame.bind(3, game.ended);
    insertGame.bind(4, std::int64_t{game.fixAny});
    insertGame.bind(5, std::int64_t{game.fixPermanent});
    insertGame.bind(6, game.opponent);
    insertGame.bind(7, numberOf(game.outcome.challenger));
    insertGame.bind(8, numberOf(game.outcome.winner));
    insertGame.bind(9, game.outcome.call);
    insertGame.bind(10, game.outcome.dice);
    insertGame.bind(11, std::int64_t{game.coachUsed});
    insertGame.bind(12, game.humanThrows);
    insertGame.bind(13, game.computerThrows);
    insertGame.bind(14, static_cast<std::int64_t>(game.calls.size()));
    insertGame.step();
    const std::int64_t id = database_.lastInsertedRow();

    sqlite::Statement insertCall = database_.prepare(
        "INSERT INTO calls(game, number, caller, dice, fixed) VALUES(?1, ?2, ?3, ?4, ?5)");
    std::int64_t number = 0;
    for (const RecordedCall& call : game.calls) {
        insertCall.bind(1, id);
        insertCall.bind(2, ++number);
        insertCall.bind(3, numberOf(call.caller));
        insertCall.bind(4, call.dice);
        insertCall.bind(5, call.fixed);
        insertCall.step();
        insertCall.reset();
    }
    addReviewFacts(id, game);
    transaction.commit();
    return id;
}

void RecordBook::addReviewFacts(std::int64_t id, const GameRecord& game) {
    sqlite::Statement insertThrown =
        database_.prepare("INSERT INTO call_throws(game, number, thrown) VALUES(?1, ?2, ?3)");
    std::int64_t number = 0;
    for (const std::string& thrown : game.thrownBeforeCall) {
        insertThrown.bind(1, id);
        insertThrown.bind(2, ++number);
        insertThrown.bind(3, thrown);
        insertThrown.step();
        insertThrown.reset();
    }
    sqlite::Statement insertLine = database_.prepare(
        "INSERT INTO history_lines(game, number, after_calls, text) VALUES(?1, ?2, ?3, ?4)");
    number = 0;
    for (const HistoryLine& line : game.historyLines) {
        insertLine.bind(1, id);
        insertLine.bind(2, ++number);
        insertLine.bind(3, std::int64_t{line.afterCalls});
        insertLine.bind(4, line.text);
        insertLine.step();
        insertLine.reset();
    }
}

long long RecordBook::incompleteGames() {
    sqlite::Statement count = database_.prepare(
        "SELECT count(*) FROM games WHERE length(revealed) != 5 OR challenged_call = '' OR "
        "call_count != (SELECT count(*) FROM calls WHERE calls.game = games.id)");
    count.step();
    return count.integer(0);
}

void RecordBook::forEachGame(const std::function<void(const GameRecord&)>& visit) {
    forEachNumberedGame([&](std::int64_t, const GameRecord& game) { visit(game); });
}

void RecordBook::forEachNumberedGame(
    const std::function<void(std::int64_t, const GameRecord&)>& visit) {
    // Both tables in the order of their keys, side by side: one game at a time is held, however
    // long the record.
    sqlite::Statement games =
        database_.prepare("SELECT " + std::string(kGameColumns) + " FROM games ORDER BY id");
    sqlite::Statement calls =
        database_.prepare("SELECT game, caller, dice, fixed FROM calls ORDER BY game, number");
    bool callLeft = calls.step();
    while (games.step()) {
        const std::int64_t id = games.integer(0);
        GameRecord game = gameOfRow(games);
        // Calls of no game are passed over.
        while (callLeft && calls.integer(0) < id) {
            callLeft = calls.step();
        }
        for (; callLeft && calls.integer(0) == id; callLeft = calls.step()) {
            game.calls.push_back({seatOf(calls.integer(1)), calls.text(2), calls.text(3)});
        }
        visit(id, game);
    }
}

std::optional<GameRecord> RecordBook::game(std::int64_t id) {
    sqlite::Statement games =
        database_.prepare("SELECT " + std::string(kGameColumns) + " FROM games WHERE id = ?1");
    games.bind(1, id);
    if (!games.step()) {
        return std::nullopt;
    }
    GameRecord game = gameOfRow(games);
    sqlite::Statement calls =
        database_.prepare("SELECT caller, dice, fixed FROM calls WHERE game = ?1 ORDER BY number");
    calls.bind(1, id);
    while (calls.step()) {
        game.calls.push_back({seatOf(calls.integer(0)), calls.text(1), calls.text(2)});
    }
    if (!reviewFacts_) {
        return game;
    }
    sqlite::Statement thrown =
        database_.prepare("SELECT thrown FROM call_throws WHERE game = ?1 ORDER BY number");
    thrown.bind(1, id);
    while (thrown.step()) {
        game.thrownBeforeCall.push_back(thrown.text(0));
    }
    sqlite::Statement lines = database_.prepare(
        "SELECT after_calls, text FROM history_lines WHERE game = ?1 ORDER BY number");
    lines.bind(1, id);
    while (lines.step()) {
        game.historyLines.push_back({static_cast<int>(lines.integer(0)), lines.text(1)});
    }
    return game;
}

bool recordHoldsGamesOf(const std::filesystem::path& dataFolder, std::string_view player) {
    const std::filesystem::path path = RecordBook::pathIn(dataFolder);
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        return false;
    }
    try {
        RecordBook book = RecordBook::forReading(path);
        sqlite::Statement found =
            book.database().prepare("SELECT 1 FROM games WHERE player = ? LIMIT 1");
        found.bind(1, player);
        return found.step();
    } catch (const sqlite::Error&) {
        return false;
    }
}

} // namespace quintel
