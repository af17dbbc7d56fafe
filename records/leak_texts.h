#pragma once

#include "model/rule_options.h"
#include "solver/player_leaks.h"

#include <string>

namespace quintel {

// The player's leaks in words, in the player's language:
//   "A perfect opponent would win 62 % against your habits, 8 points more than against the best
//    play."
//   "you trust a pair of sixes after the computer kept nothing too often: 71 % against the best
//    38 %"
// Hands and kept dice are named as model/hand_words.h names them.

// A chance as a whole percent: "71 %".
std::string chanceText(double chance);

std::string exploitabilityText(const solver::Exploitability& found);
// One leak of a player of the solved game of `tables`.
std::string leakText(const solver::GameTables& tables, const solver::Leak& leak);

// The option set as the sign-in names it: "No options", "Fix Any", "Fix Permanent",
// "Fix Any + Fix Permanent".
std::string optionSetText(RuleOptions options);
// Why no figures are shown for an option set with only `games` of the player's games in it.
std::string tooFewGamesText(long long games, long long needed);

} // namespace quintel
