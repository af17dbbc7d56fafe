#pragma once

#include "model/rule_options.h"
#include "records/record_book.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace quintel {

// What the Master has learnt of each player, kept in the record of the data folder beside their
// games: one model per player name and option set, as solver::PlayerModel::serialise writes it,
// in a table of its own (a record without it is read as having none). A profile that starts from
// nothing starts the player's models again too (forget).
class MasterModels {
public:
    explicit MasterModels(std::filesystem::path dataFolder) : dataFolder_(std::move(dataFolder)) {}

    // The model kept for the player under the options; nothing when there is none or the record
    // cannot be read.
    std::optional<std::string> load(std::string_view player, RuleOptions options);
    // Keeps the model in place of the one before. Throws sqlite::Error when the record cannot be
    // written.
    void keep(std::string_view player, RuleOptions options, std::string_view model);
    // Removes every model of the player. Throws as keep.
    void forget(std::string_view player);

private:
    RecordBook& book();

    std::filesystem::path dataFolder_;
    std::unique_ptr<RecordBook> book_;
};

} // namespace quintel
