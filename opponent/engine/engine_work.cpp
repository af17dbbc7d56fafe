#include "opponent/engine/engine_work.h"

#include "model/call_rules.h"

#include <string>

namespace quintel {

namespace {

void arrangeText(std::string& text, FaceCounts& counts, int& shape) {
    counts = arrangeDigitsInPlace(text);
    shape = shapeScore(counts);
}

} // namespace

void EngineWork::Hold_Arrange() {
    arrangeText(HoldText, HoldCount, HoldShape);
}

void EngineWork::Dice_Arrange() {
    arrangeText(DiceText, DiceCount, DiceShape);
}

void EngineWork::Call_Arrange() {
    arrangeText(CallText, CallCount, CallShape);
}

void EngineWork::Fix_Arrange() {
    FixCount = countFaceDigits(FixText);
}

int EngineWork::Suggest_Arrange(std::string_view strtemp) {
    return shapeScore(countFaceDigits(strtemp));
}

void EngineWork::loadHoldAndCall(std::string_view strHold, std::string_view strCall) {
    // Copies first: callers pass the engine's own texts back in.
    std::string hold(strHold);
    std::string call(strCall);
    std::erase(hold, '0');
    std::erase(call, '0');
    HoldText = std::move(hold);
    CallText = std::move(call);
    Hold_Arrange();
    Call_Arrange();
}

// Only five dice make a hand.
void EngineWork::Check3() {
    DiceBeatsCall = false;
    if (DiceText.size() != kDiceCount) {
        return;
    }
    const std::string dice = arrangeDigits(DiceText);
    const int shape = shapeScore(countFaceDigits(dice));
    DiceBeatsCall =
        shapeClass(shape) == shapeClass(CallShape) && textBeats(dice, shape, CallText, CallShape);
}

bool EngineWork::Check4() const {
    return covers(HoldCount, FixCount);
}

bool EngineWork::Check5() const {
    return covers(CallCount, HoldCount);
}

} // namespace quintel
