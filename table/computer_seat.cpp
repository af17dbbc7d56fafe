#include "table/form_start.h"

#include "app/game.h"

#include "model/dice.h"

#include <algorithm>
#include <string>

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
    game().record.diceThrown(Seat::Computer, handed.thrown);
    functTurn();
    functCall();
    // No countdown runs and no die is in play while the player considers the call.
    putDiceAway();
    state.DiceRolled = false;
    stopCountdown();

    // A call at once throws nothing and leaves the fixed dice as they were, so what was thrown is
    // told by the thrown dice, not by the fixed ones.
    diceComputerThrew_ = static_cast<int>(handed.thrown.size());
    const ComputerMove move{.name = state.PlayerNames[1],
                            .kept = diceDigits(handed.fix),
                            .thrown = diceComputerThrew_,
                            .call = diceDigits(handed.call),
                            .trustable = Trust.enabled};
    lblStatus.caption = computerCallStatus(move, tableKeys());
    refreshCoach();
    // The computer's call is the newest line of each log.
    highlightLogs(1);
}

} // namespace quintel
