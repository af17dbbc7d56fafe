#pragma once

#include "model/rule_options.h"
#include "solver/player_leaks.h"

#include <array>
#include <atomic>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quintel {

// Fewer of the player's games than this under an option set, and what the model believes of
// them is still mostly the best play it starts from: its figures would show chance, not habits.
inline constexpr long long kGamesForLeaks = 20;

// The player's games in the record of `dataFolder` under each option set of kOptionSets, all of
// them (whether or not they can be read as a model reads them); none without a record. Throws what
// RecordBook throws.
std::array<long long, 4> gamesByOptions(const std::filesystem::path& dataFolder,
                                        const std::string& player);

// What the player's games under one option set say of their leaks.
struct RecordLeaks {
    RuleOptions options;
    long long games = 0; // the games the model was made from
    std::string problem; // why there are no figures, other than too few games; in English
    // The solved game the leaks are numbered in; with `exploitability`, once there are
    // kGamesForLeaks games.
    std::shared_ptr<const solver::SolvedGame> game;
    std::optional<solver::Exploitability> exploitability;
    std::vector<solver::Leak> worst; // worst first, at most three
};

// Reads the solved game of `options` from `solvedFolder`, makes the model of `player` from their
// games of the record in `dataFolder` and, with enough of them, finds what it gives away. Takes
// seconds: run it beside the screen; it gives up, with what it has, once `stop` is set.
RecordLeaks findRecordLeaks(const std::filesystem::path& dataFolder, const std::string& player,
                            RuleOptions options, const std::filesystem::path& solvedFolder,
                            const std::atomic<bool>& stop);

} // namespace quintel
