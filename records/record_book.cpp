#include "records/record_book.h"

#include <map>

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

RecordBook::RecordBook(const std::filesystem::path& path, bool create) : database_(path, create) {
    // A write-ahead log: a program killed in the middle of a game's transaction leaves the
    // record as it was before it, and the log is only flushed to disk at checkpoints, which keeps
    // a game's record quick.
    database_.execute("PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL;");
    makeSchema();
    checkSound();
}

void RecordBook::makeSchema() {
    database_.execute(kSchema);
}

void RecordBook::checkSound() {
    sqlite::Statement check = database_.prepare("PRAGMA quick_check");
    check.step();
    const std::string verdict = check.text(0);
    if (verdict != "ok") {
        throw sqlite::Error(11 /* SQLITE_CORRUPT */, verdict);
    }
    // A games table of another shape is not this program's record.
    database_.prepare("SELECT " + std::string(kGameColumns) + " FROM games LIMIT 0").step();
    database_.prepare("SELECT game, number, caller, dice, fixed FROM calls LIMIT 0").step();
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
    std::map<std::int64_t, std::vector<RecordedCall>> callsOf;
    sqlite::Statement calls =
        database_.prepare("SELECT game, caller, dice, fixed FROM calls ORDER BY game, number");
    while (calls.step()) {
        callsOf[calls.integer(0)].push_back(
            {seatOf(calls.integer(1)), calls.text(2), calls.text(3)});
    }
    sqlite::Statement games =
        database_.prepare("SELECT " + std::string(kGameColumns) + " FROM games ORDER BY id");
    while (games.step()) {
        GameRecord game = gameOfRow(games);
        game.calls = std::move(callsOf[games.integer(0)]);
        visit(games.integer(0), game);
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

} // namespace quintel
