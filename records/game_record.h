#pragma once

#include "match/outcome.h"

#include <string>
#include <vector>

namespace quintel {

// One call as the table recorded it: the called dice and the dice its caller kept, as digits.
struct RecordedCall {
    Seat caller = Seat::Human;
    std::string dice;
    std::string fixed;
    bool operator==(const RecordedCall&) const = default;
};

// A line the game wrote to the history file while a game was played, with the number of calls
// made before it: the computer's judgement of call k is written after it, with `afterCalls` k.
struct HistoryLine {
    int afterCalls = 0;
    std::string text;
    bool operator==(const HistoryLine&) const = default;
};

// One decided game as the player's record keeps it. Times are UTC in ISO 8601.
struct GameRecord {
    std::string player;
    std::string started;
    std::string ended;
    bool fixAny = false;
    bool fixPermanent = false;
    std::string opponent; // the computer the player faced
    std::vector<RecordedCall> calls;
    GameOutcome outcome; // who did not trust whom, the call, the dice shown, who won
    bool coachUsed = false;
    // Every die each seat threw, in the order thrown, as digits.
    std::string humanThrows;
    std::string computerThrows;
    // What a review of the game shows besides: the dice the caller of call k + 1 threw since the
    // call before it (entry k), and the history lines of the game. A record kept before these
    // were kept has neither.
    std::vector<std::string> thrownBeforeCall;
    std::vector<HistoryLine> historyLines;
    bool operator==(const GameRecord&) const = default;
};

// The rule options in words: "Fix Any", "Fix Permanent", both joined by " + ", or "no options".
std::string optionsName(bool fixAny, bool fixPermanent);
std::string_view seatName(Seat seat);

} // namespace quintel
