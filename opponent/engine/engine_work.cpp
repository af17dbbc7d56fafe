#include "opponent/engine/engine_work.h"

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

// The dice beat the call when they are a stronger hand of the same shape class; only five dice
// make a hand.
void EngineWork::Check3() {
    DiceBeatsCall = false;
    if (DiceText.size() != kDiceCount) {
        return;
    }
    std::string dice = DiceText;
    FaceCounts counts{};
    int shape = 0;
    arrangeText(dice, counts, shape);
    if (shapeClass(shape) != shapeClass(CallShape)) {
        return;
    }
    for (std::size_t i = 0; i < kDiceCount; ++i) {
        const int d = dice[i] - '0';
        const int c = i < CallText.size() ? CallText[i] - '0' : 0;
        if (ranksAbove(d, c)) {
            DiceBeatsCall = true;
            return;
        }
        if (ranksAbove(c, d)) {
            return;
        }
    }
}

bool EngineWork::Check4() const {
    return covers(HoldCount, FixCount);
}

bool EngineWork::Check5() const {
    return covers(CallCount, HoldCount);
}

} // namespace quintel
