#pragma once

#include "records/game_record.h"
#include "records/sqlite_database.h"

#include <filesystem>
#include <functional>
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

    // Adds one game in one transaction: it is kept whole or not at all.
    void add(const GameRecord& game);

    // Every game in the order they were kept.
    void forEachGame(const std::function<void(const GameRecord&)>& visit);

    // Games whose parts do not agree: fewer or more calls kept than the game says it had, or no
    // five dice shown. A record written one transaction per game has none.
    long long incompleteGames();

    sqlite::Database& database() { return database_; }

private:
    void makeSchema();
    void checkSound();

    sqlite::Database database_;
};

} // namespace quintel
