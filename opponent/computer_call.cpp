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
    state.FixDice.fill(0);
    dialog.FixString = hold;
    game.history.writeLine("Fixstring : \t" + dialog.FixString);

    // The player's call is the one the computer's call must beat.
    for (std::size_t i = 0; i < kDiceCount; ++i) {
        state.LastCallDice[i] = state.CallDice[i];
    }
    state.LastCallLevel = state.CallLevel;
    if (dialog.CompareFixDice()) {
        callAfterThrow(game);
    } else {
        callKeptDice(game);
    }
    handOver(game);
}

void ComputerOpponent::callAfterThrow(Game& game) {
    FormCall& dialog = game.formCall;
    GameState& state = game.state;
    std::string newDice = dialog.FixString;
    while (newDice.size() < kDiceCount) {
        newDice += numberText(game.random.die());
    }
    state.MessageFields[0] = newDice;

    setCallDice(state, newDice);
    dialog.Level_Cal();
    dialog.Check2();
    if (!dialog.CallIsHigher) {
        bluff(game);
        return;
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
}

void ComputerOpponent::callKeptDice(Game& game) {
    FormCall& dialog = game.formCall;
    GameState& state = game.state;
    setCallDice(state, dialog.FixString);
    state.MessageFields[0] = dialog.DiceString;
    dialog.Level_Cal();
    // Five kept dice that do not beat the player's call would be an illegal call: bluff instead.
    dialog.Check2();
    if (!dialog.CallIsHigher) {
        bluff(game);
    }
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

void ComputerOpponent::handOver(Game& game) {
    FormCall& dialog = game.formCall;
    GameState& state = game.state;
    FormStart& table = game.formStart;
    table.functTurn();
    for (std::size_t i = 0; i < dialog.FixString.size() && i < kDiceCount; ++i) {
        state.FixDice[i] = dialog.FixString[i] - '0';
    }
    game.history.writeLine("DICE AFTER ROLL (if needed) : " + state.MessageFields[0] + "\r\n");
    game.history.writeLine(
        "CALL STRING : " +
        diceDigits(std::span(state.CallDice).first<kDiceCount>(), EmptyPositions::Zero));
    game.history.writeLine("FIX STRING : " + diceDigits(state.FixDice, EmptyPositions::Zero));
    game.history.writeLine("\r\n");
    table.functCall();

    table.putDiceAway();
    state.DiceRolled = false;
    table.stopCountdown();
}

} // namespace quintel
