#pragma once

#include "records/game_record.h"
#include "records/sqlite_database.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace quintel {

// A database that is not a record of this program's, or one of a version it does not know. It is
// left as it is: it is not damaged, only not the game's to write.
class RecordRefused : public sqlite::Error {
public:
    explicit RecordRefused(const std::string& why) : sqlite::Error(1 /* SQLITE_ERROR */, why) {}
};

// The player's record: every decided game of every player of one data folder, in one SQLite
// database beside the profile and history files. One file per folder, with the player in each
// game, so that one look at a folder sums up all who played there, and no further file name has
// to be made from a player's name.
//
// The record's version is its PRAGMA user_version: kVersion for what this program writes, 0 for
// a record made before versions were kept (the game's tables, perhaps without those of the
// review). SQLite detects damage where it reads; nothing checks the whole file when it opens,
// which takes seconds on a large record (quintel-record --check does it on demand).
class RecordBook {
public:
    static constexpr std::string_view kFileName = "record.sqlite";
    static constexpr int kVersion = 1;
    static std::filesystem::path pathIn(const std::filesystem::path& dataFolder) {
        return dataFolder / kFileName;
    }

    // Opens the record to keep games in, creating it when `create` is set. An older record is
    // copied beside it as "record.sqlite.backup-v<version>" and then upgraded. Throws
    // sqlite::Error: damaged() when the file is not a sound database; RecordRefused for another
    // program's database or a version this program does not know. A record this process may
    // not write is refused when `create` is set (the game keeps nothing there, and SQLite would
    // leave empty log files beside it); otherwise it is only read.
    RecordBook(const std::filesystem::path& path, bool create);

    // Opens the record only to read it, changing nothing of it or its folder: where no program
    // has it open (no log beside it), or the folder is read-only, the file is read as immutable,
    // so that SQLite makes no log or index files; otherwise through a read-only connection, whose
    // files are there already. An older record is read as it is. Throws as the constructor.
    static RecordBook forReading(const std::filesystem::path& path);
    // Whether a program has written the record since it was opened for reading as immutable: what
    // was read may then not hold together, and is better read again.
    bool changedSinceOpened() const;

    // Adds one game in one transaction: it is kept whole or not at all. Returns its number.
    std::int64_t add(const GameRecord& game);

    // Every game in the order they were kept, without what only a review needs (the dice thrown
    // before each call and the history lines): game() gives one game whole.
    void forEachGame(const std::function<void(const GameRecord&)>& visit);
    // The same, with each game's number in the record.
    void forEachNumberedGame(const std::function<void(std::int64_t, const GameRecord&)>& visit);

    // Games whose parts do not agree: fewer or more calls kept than the game says it had, or no
    // five dice shown. A record written one transaction per game has none.
    long long incompleteGames();

    // The game of this number, whole; none when there is no such game. A record made before the
    // review's facts were kept opens too: its games have none of them.
    std::optional<GameRecord> game(std::int64_t id);

    sqlite::Database& database() { return database_; }

    // PRAGMA integrity_check: "ok", or what is wrong.
    std::string integrityCheck();

    RecordBook(RecordBook&&) noexcept = default;
    RecordBook& operator=(RecordBook&&) noexcept = default;
    ~RecordBook() = default;

private:
    RecordBook(const std::filesystem::path& path, sqlite::Database database);
    void checkKnown();
    void prepareForKeeping(const std::filesystem::path& path);
    void addReviewFacts(std::int64_t id, const GameRecord& game);

    struct FileStamp {
        std::uintmax_t size = 0;
        std::int64_t modified = 0;
        bool operator==(const FileStamp&) const = default;
    };
    static std::optional<FileStamp> stampOf(const std::filesystem::path& path);

    std::filesystem::path path_;
    sqlite::Database database_;
    bool reviewFacts_ = true; // the tables of the dice thrown and the history lines are there
    std::optional<FileStamp> immutableAt_; // read as immutable: the file as it was then
};

// Whether the record in `dataFolder` holds a game of `player`; false when there is no record, or
// it cannot be read.
bool recordHoldsGamesOf(const std::filesystem::path& dataFolder, std::string_view player);

} // namespace quintel
