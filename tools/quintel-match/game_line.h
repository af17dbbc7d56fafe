#pragma once

#include "match/match.h"

#include <functional>
#include <string>

namespace quintel::arena {

// Each game in one line of text, as it was played: the dice each seat threw, its trusts, keeps
// and calls, the dice shown and the winner. The player's seat is H, the computer's C:
//   game 7, options none: H dice 26542, H call 65432, C trust, C keep 6, C dice 61354,
//   C call 11 fix 6, H doubt, shown 11356, C wins
// (one line). A call made at once follows the trust directly; "fix" names the fixed dice of a
// call when there are any.
class GameLines : public match::MatchListener {
public:
    explicit GameLines(std::function<void(const std::string&)> out) : out_(std::move(out)) {}

    void gameStarted(const match::Match& match) override;
    void diceThrown(const match::Match& match, Seat seat, std::string_view thrown) override;
    void trusted(const match::Match& match, Seat seat) override;
    void callMade(const match::Match& match, const match::CallRecord& made) override;
    void gameDecided(const match::Match& match, const GameOutcome& outcome) override;

private:
    void add(Seat seat, const std::string& what);

    std::function<void(const std::string&)> out_;
    long long games_ = 0;
    std::string line_;
};

} // namespace quintel::arena
