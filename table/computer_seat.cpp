#include "table/form_start.h"

#include "app/game.h"

#include <algorithm>

namespace quintel {

void FormStart::computerChallenges() {
    decideChallenge(Seat::Computer);
}

void FormStart::computerCalls(const HandedCall& handed) {
    GameState& state = game().state;
    state.MessageFields[0] = handed.dice;
    std::copy(handed.call.begin(), handed.call.end(), state.CallDice.begin());
    state.CallLevel = handed.level;
    state.FixDice = handed.fix;
    functTurn();
    functCall();
    // No countdown runs and no die is in play while the player considers the call.
    putDiceAway();
    state.DiceRolled = false;
    stopCountdown();
}

} // namespace quintel
