// Probabilities by counting outcome classes: a class fixes how the thrown dice fall into the
// groups of equal faces already there and into new faces, and stands for every throw that falls
// that way. A handful of classes replace up to 7776 throws.
#include "model/history_sink.h"
#include "model/number_text.h"
#include "opponent/engine/engine_tables.h"
#include "opponent/engine/engine_work.h"

#include <string>

namespace quintel {

namespace {

// Ordered throws of `thrown` dice that put dice[g] dice into group g, for groups 1..groups.
int orderedThrows(int thrown, const std::array<int, 7>& dice, int groups) {
    int ways = 1;
    int remaining = thrown;
    for (int g = 1; g <= groups; ++g) {
        remaining -= dice[at(g - 1)];
        ways *= nCr(remaining, dice[at(g)]);
    }
    return ways;
}

} // namespace

void EngineWork::countPattern(int code) {
    PatternCount.fill(0);
    NewGroups = 0;
    // The order of the digits does not matter: only how many dice each label gets.
    for (; code > 0; code /= 10) {
        const int label = code % 10;
        ++PatternCount[at(label)];
        if (GroupSize[at(label)] == 0 && PatternCount[at(label)] == 1) {
            ++NewGroups;
        }
    }
}

// Faces for the new groups come from the faces not in a group. New groups of two different sizes
// can swap faces between the sizes; with at most five dice one size always occurs only once.
int EngineWork::newFaceChoices() const {
    std::array<bool, 7> sizeSeen{};
    int sizes = 0;
    for (int g = HeldGroups + 1; g <= HeldGroups + NewGroups; ++g) {
        if (!sizeSeen[at(PatternCount[at(g)])]) {
            sizeSeen[at(PatternCount[at(g)])] = true;
            ++sizes;
        }
    }
    const int arrangements = sizes == 2 ? NewGroups : 1;
    return nCr(kFaces - HeldGroups, NewGroups) * arrangements;
}

Chance EngineWork::Prob1(std::string_view strHold, std::string_view strCall) {
    loadHoldAndCall(strHold, strCall);
    const int held = static_cast<int>(HoldText.size());
    if (held > kDiceCount) {
        return {};
    }
    GroupSize.fill(0);
    HeldGroups = 0;
    // The arranged hold lists its groups one after another, largest first.
    for (std::size_t p = 0; p < HoldText.size();) {
        const int size = HoldCount[at(HoldText[p] - '0')];
        GroupSize[at(++HeldGroups)] = size;
        p += at(size);
    }
    const int thrown = kDiceCount - held;
    int total = 0;
    for (int b = 1; b <= ComboCountTable[at(held)][at(HeldGroups)]; ++b) {
        countPattern(PatternTable[at(held)][at(b)]);
        OutcomeShape = 0;
        for (int g = 1; g <= kFaces; ++g) {
            OutcomeShape += shapeWeight(GroupSize[at(g)] + PatternCount[at(g)]);
        }
        if (shapeClass(OutcomeShape) > shapeClass(CallShape)) {
            total += newFaceChoices() * orderedThrows(thrown, PatternCount, HeldGroups + NewGroups);
        }
    }
    if (history != nullptr && HoldText == "554") {
        const double p = static_cast<double>(total) / Power(kFaces, thrown);
        history->writeLine("Prob1 : " + numberText(p) + '\t' + numberText(total));
    }
    return Chance{total * Power(kFaces, held)};
}

// Only the dice still needed form groups; the kept dice beyond them are just more dice of the
// hand, and the free dice may fall anywhere.
Chance EngineWork::Prob2(std::string_view strFix, std::string_view strCall) {
    loadHoldAndCall(strFix, strCall);
    return completionChance();
}

Chance EngineWork::completionChance() {
    GroupSize.fill(0);
    HeldGroups = 0;
    int committed = 0;
    for (int face = 1; face <= kFaces; ++face) {
        const int call = CallCount[at(face)];
        const int kept = HoldCount[at(face)];
        committed += Max(call, kept);
        if (call > kept) {
            GroupSize[at(++HeldGroups)] = call - kept;
        }
    }
    if (committed > kDiceCount) {
        return {};
    }
    if (HeldGroups == 0) {
        return kCertain;
    }
    const int kept = static_cast<int>(HoldText.size());
    int total = 0;
    for (int b = 1; b <= ComboCountTable[at(committed)][at(HeldGroups)]; ++b) {
        countPattern(PatternTable[at(committed)][at(b)]);
        std::array<int, 7> dice{};
        for (int g = 1; g <= kFaces; ++g) {
            dice[at(g)] = GroupSize[at(g)] + PatternCount[at(g)];
        }
        total += newFaceChoices() * orderedThrows(kDiceCount - kept, dice, HeldGroups + NewGroups);
    }
    return Chance{total * Power(kFaces, kept)};
}

} // namespace quintel
