#pragma once

#include <span>
#include <string>
#include <string_view>

namespace quintel {

class Game;
struct ComputerCall;
struct HandedCall;

// The computer's seat as the game sees it: its whole turn after the human's call has been recorded.
class ComputerPlayer {
public:
    virtual ~ComputerPlayer() = default;
    virtual void Computer_AI(Game& game) = 0;
};

// The computer's seat. Its turn judges the player's call with the engine and the player's
// profile, and either challenges it or takes the dice over, keeps some, throws the rest and
// answers with a call of its own.
class ComputerOpponent : public ComputerPlayer {
public:
    // A bluff names the computer's hold plus random dice; this many candidates at most are drawn
    // before the computer settles for the weakest call that is allowed.
    static constexpr int kBluffBound = 1000;

    struct Statistics {
        long long turns = 0;
        long long challenges = 0;
        long long bluffs = 0;       // calls found by the bluff search
        long long settledCalls = 0; // bluff searches that ended at the bound
        int lastBluffSearch = 0;    // candidates drawn in the last search (0: none)
        int longestBluffSearch = 0; // most candidates drawn in one search
    };

    void Computer_AI(Game& game) override;

    const Statistics& statistics() const { return statistics_; }

private:
    void challenge(Game& game);
    void answer(Game& game, const std::string& humanCall);
    ComputerCall bluff(Game& game, std::string_view hold, std::span<const int> last, int lastLevel);
    // The computer's trace of its call goes to the history, the call to the table.
    // `thrown` are the dice it threw this turn.
    void handOver(Game& game, const std::string& dice, std::string thrown);

    Statistics statistics_;
};

// Hands a computer seat's call to the table: its dice, call and fixed dice (`fix`, digits) go to
// the history in the file's style, then the call to the table.
void handCallToTable(Game& game, HandedCall handed, std::string_view fix);

} // namespace quintel
