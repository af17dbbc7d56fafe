#pragma once

#include "records/dice_check.h"
#include "records/record_book.h"

#include <map>
#include <string>
#include <utility>

namespace quintel {

struct WinTally {
    long long games = 0;
    long long wins = 0; // won by the player
    bool operator==(const WinTally&) const = default;
};

struct Interval {
    double low = 0.0;
    double high = 0.0;
};

// The 95 % Wilson score interval of a proportion; 0 to 1 when nothing was tried.
Interval wilsonInterval(long long successes, long long trials);

// What a data folder's record says: games and the player's wins, in all and per option set and
// opponent, and the faces of every die thrown.
struct RecordSummary {
    WinTally all;
    // Keyed by the options in words and the opponent's name.
    std::map<std::pair<std::string, std::string>, WinTally> byOptionsAndOpponent;
    FaceTally faces{};
    long long incomplete = 0;
};

RecordSummary summarizeRecord(RecordBook& book);

// The summary as lines of text for the player.
std::string summaryText(const RecordSummary& summary);

} // namespace quintel
