#include "call/form_call.h"

#include "app/game.h"
#include "model/call_rules.h"
#include "model/dice.h"

#include <span>

namespace quintel {

void FormCall::Level_Cal() {
    GameState& state = game().state;
    state.CallFaceCount = arrangeDice(std::span(state.CallDice).first<kDiceCount>());
    state.CallLevel = shapeScore(state.CallFaceCount);
}

void FormCall::Check2() {
    const GameState& state = game().state;
    CallIsHigher =
        callBeats(std::span(state.CallDice).first<kDiceCount>(), state.CallLevel,
                  std::span(state.LastCallDice).first<kDiceCount>(), state.LastCallLevel);
}

bool FormCall::Check3() {
    return textBeats(DiceString, DiceStringLevel, CallString, CallStringLevel);
}

bool FormCall::CompareFixDice() {
    return compareFixDice(FixString, DiceString);
}

void FormCall::Call_Arrange() {
    CallString = arrangeDigits(CallString);
    CallStringCount = countFaceDigits(CallString);
    CallStringLevel = shapeScore(CallStringCount);
}

void FormCall::Dice_Arrange() {
    DiceString = arrangeDigits(DiceString);
    DiceStringCount = countFaceDigits(DiceString);
    DiceStringLevel = shapeScore(DiceStringCount);
}

} // namespace quintel
