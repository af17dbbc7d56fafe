// Chance of a stronger hand of the call's own shape class: the sum over those hands of the chance
// of throwing exactly that hand.
#include "model/hand_table.h"
#include "opponent/engine/engine_tables.h"
#include "opponent/engine/engine_work.h"

namespace quintel {

namespace {

struct HandFaces {
    std::string text;
    FaceCounts counts{};
    int shape = 0;
};

using HandFacesTable = std::array<std::array<HandFaces, HandTable::kPositions>, 7>;

// The hands are already in canonical order; only their counts are worth keeping at hand.
const HandFacesTable& handFaces() {
    static const HandFacesTable table = [] {
        // HandFaces initialises its own members; `faces{}` here crashes clang 14.
        HandFacesTable faces;
        for (int shape = 0; shape < 7; ++shape) {
            for (int x = 1; x <= HandTable::classSize(shape); ++x) {
                HandFaces& hand = faces[at(shape)][at(x)];
                hand.text = HandTable::instance()(shape + 1, x);
                hand.counts = countFaceDigits(hand.text);
                hand.shape = shapeScore(hand.counts);
            }
        }
        return faces;
    }();
    return table;
}

} // namespace

// The checks load only the counts and score of the hand: nothing reads DiceText before the
// search puts its own dice back.
bool EngineWork::Check(int x) {
    const HandFaces& hand = handFaces()[at(CallClass)][at(x)];
    DiceCount = hand.counts;
    DiceShape = hand.shape;
    return covers(DiceCount, CallCount);
}

bool EngineWork::Check2(int x) {
    const HandFaces& hand = handFaces()[at(CallClass)][at(x)];
    DiceCount = hand.counts;
    DiceShape = hand.shape;
    return covers(DiceCount, HoldCount);
}

// A hand of the call's class beats a call of fewer dice when it agrees with the call so far, so
// the weakest hand that contains the call already counts; a five-dice call counts only the hands
// above itself.
Chance EngineWork::SameLevel(std::string_view strHold, std::string_view strCall) {
    loadHoldAndCall(strHold, strCall);
    CallClass = shapeClass(CallShape);
    const int n = HandTable::classSize(CallClass);
    int start = 1;
    while (start <= n && !Check(start)) {
        ++start;
    }
    if (CallText.size() == kDiceCount) {
        ++start;
    }
    Chance sum;
    for (int q = start; q <= n; ++q) {
        if (Check2(q)) {
            // Prob2 of the hold and this hand; the hand is arranged and counted already.
            const HandFaces& hand = handFaces()[at(CallClass)][at(q)];
            CallText = hand.text;
            CallCount = hand.counts;
            CallShape = hand.shape;
            sum = sum + completionChance();
        }
    }
    return sum;
}

} // namespace quintel
