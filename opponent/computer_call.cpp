#include "opponent/call_planning.h"
#include "opponent/classic_policy.h"
#include "opponent/computer_player.h"

#include "app/game.h"
#include "model/dice.h"

#include <algorithm>
#include <span>
#include <utility>

namespace quintel {

void ComputerOpponent::answer(Game& game, const std::string& humanCall) {
    FormCall& dialog = game.formCall;
    GameState& state = game.state;
    const EngineOptions options{state.FixAnyOption, state.FixPermanentOption};

    // "Fix Permanent" locks the fixed dice on the table: the player's kept dice, or, when the
    // player called without throwing, the fixed dice as they stood.
    const std::string locked = diceDigits(state.FixDice);
    dialog.FixString.clear();
    const std::string hold = chooseHold(game.engine, humanCall, dialog.DiceString, locked, options);
    dialog.FixString = hold;
    game.history.writeLine("Fixstring : \t" + dialog.FixString);

    // The player's call is the one the computer's call must beat.
    for (std::size_t i = 0; i < kDiceCount; ++i) {
        state.LastCallDice[i] = state.CallDice[i];
    }
    state.LastCallLevel = state.CallLevel;
    const std::span<const int> last = std::span(state.LastCallDice).first<kDiceCount>();

    const bool thrown = throwsAgain(hold, dialog.DiceString);
    const std::string dice = thrown ? throwAroundHold(hold, game.random) : dialog.DiceString;
    std::optional<ComputerCall> call = honestAnswer(hold, dice, last, state.LastCallLevel);
    if (!call) {
        call = bluff(game, hold, last, state.LastCallLevel);
    }
    std::copy(call->dice.begin(), call->dice.end(), state.CallDice.begin());
    state.CallLevel = call->level;
    handOver(game, dice, thrown ? dice.substr(hold.size()) : std::string());
}

ComputerCall ComputerOpponent::bluff(Game& game, std::string_view hold, std::span<const int> last,
                                     int lastLevel) {
    const BluffResult searched = bluffSearch(hold, last, lastLevel, game.random, kBluffBound);
    statistics_.lastBluffSearch = searched.drawn;
    statistics_.longestBluffSearch = std::max(statistics_.longestBluffSearch, searched.drawn);
    ++(searched.found ? statistics_.bluffs : statistics_.settledCalls);
    return settledBluff(searched, last, lastLevel);
}

void ComputerOpponent::handOver(Game& game, const std::string& dice, std::string thrown) {
    const GameState& state = game.state;
    HandedCall handed{dice, {}, state.CallLevel, {}, std::move(thrown)};
    std::copy_n(state.CallDice.begin(), kDiceCount, handed.call.begin());
    handCallToTable(game, std::move(handed), game.formCall.FixString);
}

void handCallToTable(Game& game, HandedCall handed, std::string_view fix) {
    for (std::size_t i = 0; i < fix.size() && i < kDiceCount; ++i) {
        handed.fix[i] = fix[i] - '0';
    }
    game.history.writeLine("DICE AFTER ROLL (if needed) : " + handed.dice + "\r\n");
    game.history.writeLine("CALL STRING : " + diceDigits(handed.call, EmptyPositions::Zero));
    game.history.writeLine("FIX STRING : " + diceDigits(handed.fix, EmptyPositions::Zero));
    game.history.writeLine("\r\n");
    game.formStart.computerCalls(handed);
}

} // namespace quintel
