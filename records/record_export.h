#pragma once

#include "records/game_record.h"
#include "records/record_book.h"

#include <cstdint>
#include <ostream>
#include <vector>

namespace quintel {

// Writes games for other programs, one game a row or object. The calls of a game are written
// as "caller call/fixed" joined by "; " in CSV, as a list in JSON.
class CsvGames {
public:
    explicit CsvGames(std::ostream& out);
    void add(const GameRecord& game);

private:
    std::ostream& out_;
};

class JsonGames {
public:
    explicit JsonGames(std::ostream& out);
    JsonGames(const JsonGames&) = delete;
    JsonGames& operator=(const JsonGames&) = delete;
    // Ends the list.
    ~JsonGames();
    void add(const GameRecord& game);

private:
    std::ostream& out_;
    bool first_ = true;
};

enum class ExportFormat { Csv, Json };

// Writes the games of `book` whose numbers are in `ids`, in the order kept. Returns how many.
long long exportGames(RecordBook& book, const std::vector<std::int64_t>& ids, ExportFormat format,
                      std::ostream& out);

} // namespace quintel
