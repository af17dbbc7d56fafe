#pragma once

#include "match/match.h"
#include "records/game_record.h"
#include "solver/player_model.h"

#include <filesystem>
#include <optional>
#include <string>

namespace quintel {

// What the computer saw of the player in one recorded game, in the numbers of the solved game of
// `tables`: the player's calls after a throw with the dice they ended with, its choices after
// trusting, and its answers to the computer's calls after a throw. Nothing when the record does
// not keep the dice thrown before each call (a record made before it did) or its calls do not
// follow the rules.
std::optional<solver::PlayerObservations> observationsOf(const GameRecord& game,
                                                         const solver::GameTables& tables);
// The same of a game the table has just decided, from its calls.
std::optional<solver::PlayerObservations>
observationsOf(const std::vector<match::CallRecord>& calls, const solver::GameTables& tables);

// Counts into `model` every game of the record in `dataFolder` played under the model's option
// set by `player` (every player when it is empty). Returns the games counted, or an error message.
struct RecordCount {
    long long games = 0;
    long long skipped = 0; // games whose record cannot be read as above
    std::string error;     // the record could not be opened
};
RecordCount countRecord(const std::filesystem::path& dataFolder, const std::string& player,
                        solver::PlayerModel& model);

} // namespace quintel
