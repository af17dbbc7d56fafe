#include "records/master_models.h"

#include <system_error>

namespace quintel {

namespace {

constexpr std::string_view kTable = R"(
CREATE TABLE IF NOT EXISTS master_models(
    player TEXT NOT NULL,
    fix_any INTEGER NOT NULL,
    fix_permanent INTEGER NOT NULL,
    model TEXT NOT NULL,
    PRIMARY KEY(player, fix_any, fix_permanent)) WITHOUT ROWID;
)";

// A model's place: the player and the option set, as ?1 to ?3.
void bindPlace(sqlite::Statement& statement, std::string_view player, RuleOptions options) {
    statement.bind(1, player);
    statement.bind(2, std::int64_t{options.fixAny});
    statement.bind(3, std::int64_t{options.fixPermanent});
}

} // namespace

RecordBook& MasterModels::book() {
    if (!book_) {
        auto opened = std::make_unique<RecordBook>(RecordBook::pathIn(dataFolder_), true);
        opened->database().execute(kTable);
        book_ = std::move(opened);
    }
    return *book_;
}

std::optional<std::string> MasterModels::load(std::string_view player, RuleOptions options) {
    std::error_code error;
    if (!std::filesystem::exists(RecordBook::pathIn(dataFolder_), error)) {
        return std::nullopt;
    }
    try {
        sqlite::Statement read = book().database().prepare(
            "SELECT model FROM master_models WHERE player = ?1 AND fix_any = ?2 AND "
            "fix_permanent = ?3");
        bindPlace(read, player, options);
        if (read.step()) {
            return read.text(0);
        }
    } catch (const sqlite::Error&) {
        book_.reset(); // the Master starts from nothing; the record tells its own problems
    }
    return std::nullopt;
}

void MasterModels::keep(std::string_view player, RuleOptions options, std::string_view model) {
    sqlite::Statement write = book().database().prepare(
        "INSERT OR REPLACE INTO master_models(player, fix_any, fix_permanent, model) "
        "VALUES(?1, ?2, ?3, ?4)");
    bindPlace(write, player, options);
    write.bind(4, model);
    write.step();
}

void MasterModels::forget(std::string_view player) {
    std::error_code error;
    if (!std::filesystem::exists(RecordBook::pathIn(dataFolder_), error)) {
        return;
    }
    sqlite::Statement remove =
        book().database().prepare("DELETE FROM master_models WHERE player = ?1");
    remove.bind(1, player);
    remove.step();
}

} // namespace quintel
