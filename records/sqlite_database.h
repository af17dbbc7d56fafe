#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace quintel::sqlite {

// A failed SQLite call: its primary result code and the library's words for it.
class Error : public std::runtime_error {
public:
    Error(int code, const std::string& what) : std::runtime_error(what), code_(code) {}
    int code() const { return code_; }
    // The file is not a database, or its pages contradict each other.
    bool damaged() const;

private:
    int code_;
};

// One prepared statement; parameters are numbered from 1, columns from 0.
class Statement {
public:
    Statement(sqlite3* database, std::string_view sql);

    void bind(int place, std::int64_t value);
    void bind(int place, std::string_view text);
    // Runs one step: true while a row is there to read.
    bool step();
    // Ready to run again with new parameters.
    void reset();

    std::int64_t integer(int column) const;
    std::string text(int column) const;
    // The text of a column of the current row, valid until the next step.
    std::string_view textView(int column) const;

private:
    struct Finalize {
        void operator()(sqlite3_stmt* statement) const;
    };
    sqlite3* database_;
    std::unique_ptr<sqlite3_stmt, Finalize> statement_;
};

// An open database connection, closed when it goes.
class Database {
public:
    // Opens the file for reading and writing, creating it when `create` is set. Waits up to
    // `busyMilliseconds` for another program holding a lock. A file this process may not write is
    // opened for reading only (readOnly() says so), as SQLite does.
    Database(const std::filesystem::path& path, bool create, int busyMilliseconds = 2000);

    // How a reader that must change nothing opens a file.
    enum class Reading {
        // SQLITE_OPEN_READONLY: safe beside a writer, but in WAL mode SQLite makes the log and its
        // index beside the file when they are missing.
        shared,
        // immutable=1: reads the file as it is and makes nothing, for a file nobody writes.
        immutable,
    };
    Database(const std::filesystem::path& path, Reading reading, int busyMilliseconds = 2000);

    // Whether the connection can only read.
    bool readOnly() const;

    void execute(std::string_view sql);
    Statement prepare(std::string_view sql) { return Statement(handle_.get(), sql); }
    sqlite3* handle() const { return handle_.get(); }
    // The row id of the last row inserted through this connection.
    std::int64_t lastInsertedRow() const;

private:
    void open(const std::string& name, int flags, int busyMilliseconds);
    struct Close {
        void operator()(sqlite3* database) const;
    };
    std::unique_ptr<sqlite3, Close> handle_;
};

// Runs statements as one transaction: committed by commit(), rolled back when it goes without.
class Transaction {
public:
    explicit Transaction(Database& database);
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    ~Transaction();
    void commit();

private:
    Database& database_;
    bool open_ = true;
};

} // namespace quintel::sqlite
