#pragma once

#include "records/game_record.h"
#include "records/record_book.h"

#include <cstdint>
#include <ostream>
#include <vector>

namespace quintel {

// Writes games for other programs, one game a row or object. The calls of a game are written
// as "caller call/fixed" joined by "; " in CSV, as a list in JSON. Whatever the record holds
// (another program's or one edited by hand), the output is UTF-8 (a byte that starts no valid
// sequence is written as U+FFFD) and every field is escaped: in CSV every field is quoted and a
// field a spreadsheet would run as a formula (=, +, -, @, a tab or a carriage return first) starts
// with a '; in JSON every field is a string with its quotes, backslashes and control characters
// escaped.
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

// Writes the games of `book` whose numbers are in `ids`, in the order kept, one game at a time.
// Returns how many.
long long exportGames(RecordBook& book, const std::vector<std::int64_t>& ids, ExportFormat format,
                      std::ostream& out);

} // namespace quintel
