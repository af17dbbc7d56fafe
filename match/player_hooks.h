#pragma once

#include "match/match.h"
#include "match/player.h"

namespace quintel::match {

// Tells the player of one seat when a game of the match starts and when it is decided.
class PlayerHooks : public MatchListener {
public:
    PlayerHooks(Player& player, Seat seat) : player_(player), seat_(seat) {}
    void gameStarted(const Match& match) override { player_.gameStarted(seat_, match.options()); }
    void gameDecided(const Match& /*match*/, const GameOutcome& outcome) override {
        player_.gameDecided(seat_, outcome);
    }

private:
    Player& player_;
    Seat seat_;
};

} // namespace quintel::match
