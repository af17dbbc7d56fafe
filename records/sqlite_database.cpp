#include "records/sqlite_database.h"

#include <sqlite3.h>

#include <array>
#include <cstdio>

namespace quintel::sqlite {

namespace {

[[noreturn]] void fail(sqlite3* database, int code) {
    const char* words = database != nullptr ? sqlite3_errmsg(database) : sqlite3_errstr(code);
    throw Error(code & 0xff, words);
}

void check(sqlite3* database, int code) {
    if (code != SQLITE_OK) {
        fail(database, code);
    }
}

} // namespace

bool Error::damaged() const {
    return code_ == SQLITE_CORRUPT || code_ == SQLITE_NOTADB;
}

Statement::Statement(sqlite3* database, std::string_view sql) : database_(database) {
    sqlite3_stmt* statement = nullptr;
    check(database, sqlite3_prepare_v2(database, sql.data(), static_cast<int>(sql.size()),
                                       &statement, nullptr));
    statement_.reset(statement);
}

void Statement::Finalize::operator()(sqlite3_stmt* statement) const {
    sqlite3_finalize(statement);
}

void Statement::bind(int place, std::int64_t value) {
    check(database_, sqlite3_bind_int64(statement_.get(), place, value));
}

void Statement::bind(int place, std::string_view text) {
    check(database_, sqlite3_bind_text64(statement_.get(), place, text.data(), text.size(),
                                         SQLITE_TRANSIENT, SQLITE_UTF8));
}

bool Statement::step() {
    const int code = sqlite3_step(statement_.get());
    if (code == SQLITE_ROW) {
        return true;
    }
    if (code != SQLITE_DONE) {
        fail(database_, code);
    }
    return false;
}

void Statement::reset() {
    sqlite3_reset(statement_.get());
    sqlite3_clear_bindings(statement_.get());
}

std::int64_t Statement::integer(int column) const {
    return sqlite3_column_int64(statement_.get(), column);
}

std::string Statement::text(int column) const {
    return std::string(textView(column));
}

std::string_view Statement::textView(int column) const {
    const auto* bytes = sqlite3_column_text(statement_.get(), column);
    const int size = sqlite3_column_bytes(statement_.get(), column);
    if (bytes == nullptr) {
        return {};
    }
    return {reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(size)};
}

void Database::Close::operator()(sqlite3* database) const {
    sqlite3_close_v2(database);
}

void Database::open(const std::string& name, int flags, int busyMilliseconds) {
    sqlite3* database = nullptr;
    const int code =
        sqlite3_open_v2(name.c_str(), &database, flags | SQLITE_OPEN_NOFOLLOW, nullptr);
    // Even a failed open gives a handle to close.
    handle_.reset(database);
    if (code != SQLITE_OK) {
        fail(database, code);
    }
    sqlite3_extended_result_codes(database, 0);
    sqlite3_busy_timeout(database, busyMilliseconds);
}

Database::Database(const std::filesystem::path& path, bool create, int busyMilliseconds) {
    open(path, SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0) | SQLITE_OPEN_FULLMUTEX,
         busyMilliseconds);
}

Database::Database(const std::filesystem::path& path, Reading reading, int busyMilliseconds) {
    // A reader's connection serves one thread, and a long record is read faster without a lock
    // taken for every column. (Mapping its pages would gain a fifth more, but a file another
    // program truncated would then end this one with SIGBUS.)
    constexpr int kReading = SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX;
    if (reading == Reading::shared) {
        open(path, kReading, busyMilliseconds);
        return;
    }
    // A URI names the file: every byte that could end its path or start a query is escaped.
    std::string uri = "file:";
    for (const char c : std::filesystem::absolute(path).string()) {
        if (c == '%' || c == '?' || c == '#' || static_cast<unsigned char>(c) < 0x21) {
            std::array<char, 4> escaped{};
            std::snprintf(escaped.data(), escaped.size(), "%%%02X",
                          static_cast<unsigned>(static_cast<unsigned char>(c)));
            uri += escaped.data();
        } else {
            uri += c;
        }
    }
    open(uri + "?immutable=1", kReading | SQLITE_OPEN_URI, busyMilliseconds);
}

bool Database::readOnly() const {
    return sqlite3_db_readonly(handle_.get(), "main") == 1;
}

std::int64_t Database::lastInsertedRow() const {
    return sqlite3_last_insert_rowid(handle_.get());
}

void Database::execute(std::string_view sql) {
    const std::string statements(sql);
    char* message = nullptr;
    const int code = sqlite3_exec(handle_.get(), statements.c_str(), nullptr, nullptr, &message);
    if (code != SQLITE_OK) {
        const std::string words = message != nullptr ? message : sqlite3_errstr(code);
        sqlite3_free(message);
        throw Error(code & 0xff, words);
    }
}

Transaction::Transaction(Database& database) : database_(database) {
    // Taking the write lock at the start keeps two programs from deadlocking on an upgrade.
    database_.execute("BEGIN IMMEDIATE");
}

Transaction::~Transaction() {
    if (open_) {
        sqlite3_exec(database_.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
    }
}

void Transaction::commit() {
    database_.execute("COMMIT");
    open_ = false;
}

} // namespace quintel::sqlite
