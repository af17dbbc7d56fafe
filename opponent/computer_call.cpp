#include "opponent/call_planning.h"
#include "opponent/computer_player.h"

#include "app/game.h"
#include "model/dice.h"
#include "model/number_text.h"

#include <algorithm>
#include <span>

namespace quintel {

namespace {

void setCallDice(GameState& state, std::string_view digits) {
    for (std::size_t i = 0; i < kDiceCount; ++i) {
        state.CallDice[i] = i < digits.size() ? digits[i] - '0' : 0;
    }
}

} // namespace

void ComputerOpponent::answer(Game& game, const std::string& humanCall) {
    FormCall& dialog = game.formCall;
    GameState& state = game.state;
    const EngineOptions options{state.FixAnyOption, state.FixPermanentOption};

    const std::string oldFix = dialog.FixString;
    dialog.FixString.clear();
    const std::string hold = chooseHold(game.engine, humanCall, dialog.DiceString, oldFix, options);
    dialog.FixString = hold;
    game.history.writeLine("Fixstring : \t" + dialog.FixString);

    // The player's call is the one the computer's call must beat.
    for (std::size_t i = 0; i < kDiceCount; ++i) {
        state.LastCallDice[i] = state.CallDice[i];
    }
    state.LastCallLevel = state.CallLevel;
    const std::string dice = dialog.CompareFixDice() ? callAfterThrow(game) : callKeptDice(game);
    handOver(game, dice);
}

std::string ComputerOpponent::callAfterThrow(Game& game) {
    FormCall& dialog = game.formCall;
    GameState& state = game.state;
    std::string newDice = dialog.FixString;
    while (newDice.size() < kDiceCount) {
        newDice += numberText(game.random.die());
    }

    setCallDice(state, newDice);
    dialog.Level_Cal();
    dialog.Check2();
    if (!dialog.CallIsHigher) {
        bluff(game);
        return newDice;
    }
    // Two pairs and three of a kind go out without their kicker while that call is still allowed;
    // the level stays the one of the five dice.
    const int kind = state.CallLevel / 10;
    if (kind == 2 || kind == 3) {
        const int kicker = state.CallDice[4];
        state.CallDice[4] = 0;
        dialog.Check2();
        if (!dialog.CallIsHigher) {
            state.CallDice[4] = kicker;
            dialog.CallIsHigher = true;
        }
    }
    return newDice;
}

std::string ComputerOpponent::callKeptDice(Game& game) {
    FormCall& dialog = game.formCall;
    GameState& state = game.state;
    setCallDice(state, dialog.FixString);
    dialog.Level_Cal();
    // Five kept dice that do not beat the player's call would be an illegal call: bluff instead.
    dialog.Check2();
    if (!dialog.CallIsHigher) {
        bluff(game);
    }
    return dialog.DiceString;
}

void ComputerOpponent::bluff(Game& game) {
    FormCall& dialog = game.formCall;
    GameState& state = game.state;
    const std::span<const int> last = std::span(state.LastCallDice).first<kDiceCount>();
    const BluffResult bluffed =
        bluffSearch(dialog.FixString, last, state.LastCallLevel, game.random, kBluffBound);
    statistics_.lastBluffSearch = bluffed.drawn;
    statistics_.longestBluffSearch = std::max(statistics_.longestBluffSearch, bluffed.drawn);
    std::optional<CallDigits> call = bluffed.dice;
    if (bluffed.found) {
        ++statistics_.bluffs;
    } else {
        // Nothing built on the hold beats the player's call: the weakest call that does. The
        // turn has already challenged any call that nothing beats.
        ++statistics_.settledCalls;
        call = weakestCallBeating(last, state.LastCallLevel);
    }
    if (call) {
        std::copy(call->begin(), call->end(), state.CallDice.begin());
    }
    dialog.Level_Cal();
    dialog.Check2();
}

void ComputerOpponent::handOver(Game& game, const std::string& dice) {
    const GameState& state = game.state;
    const std::string& hold = game.formCall.FixString;
    HandedCall handed{dice, {}, state.CallLevel, {}};
    std::copy_n(state.CallDice.begin(), kDiceCount, handed.call.begin());
    for (std::size_t i = 0; i < hold.size() && i < kDiceCount; ++i) {
        handed.fix[i] = hold[i] - '0';
    }
    game.history.writeLine("DICE AFTER ROLL (if needed) : " + handed.dice + "\r\n");
    game.history.writeLine("CALL STRING : " + diceDigits(handed.call, EmptyPositions::Zero));
    game.history.writeLine("FIX STRING : " + diceDigits(handed.fix, EmptyPositions::Zero));
    game.history.writeLine("\r\n");
    game.formStart.computerCalls(handed);
}

} // namespace quintel
