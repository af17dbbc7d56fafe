#pragma once

#include "app/game.h"
#include "match/match.h"

#include <string>
#include <vector>

namespace quintel::arena {

// Checks every game as it is played, apart from the table's own rules: each call beats the one
// before it, the dice are always five faces, the outcome follows from the dice and the call, no
// game runs past a bound of calls, and the player's profile stays within its counters' bounds.
class RuleCheck : public match::MatchListener {
public:
    static constexpr int kMostCallsInAGame = 200;

    explicit RuleCheck(const Game& game) : game_(game) {}

    void gameStarted(const match::Match& match) override;
    void callMade(const match::Match& match, const match::CallRecord& made) override;
    void gameDecided(const match::Match& match, const GameOutcome& outcome) override;

    const std::vector<std::string>& faults() const { return faults_; }
    void clearFaults() { faults_.clear(); }

private:
    void checkDice(std::string_view digits, std::string_view where);
    void checkProfile();
    void fault(std::string text) { faults_.push_back(std::move(text)); }

    const Game& game_;
    std::string lastCall_;
    int calls_ = 0;
    std::vector<std::string> faults_;
};

} // namespace quintel::arena
