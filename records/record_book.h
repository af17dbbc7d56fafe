#pragma once

#include "records/game_record.h"
#include "records/sqlite_database.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>

namespace quintel {

// The player's record: every decided game of every player of one data folder, in one SQLite
// database beside the profile and history files. One file per folder, with the player in each
// game, so that one look at a folder sums up all who played there, and no further file name has
// to be made from a player's name.
class RecordBook {
public:
    static constexpr std::string_view kFileName = "record.sqlite";
    static std::filesystem::path pathIn(const std::filesystem::path& dataFolder) {
        return dataFolder / kFileName;
    }

    // Opens the record, creating it when `create` is set, and checks it. Throws sqlite::Error,
    // damaged() when the file is not a sound record.
    RecordBook(const std::filesystem::path& path, bool create);

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

private:
    void makeSchema();
    void checkSound();
    void addReviewFacts(std::int64_t id, const GameRecord& game);

    sqlite::Database database_;
};

} // namespace quintel
