#include "model/call_rules.h"

#include "model/dice.h"

#include <algorithm>

namespace quintel {

namespace {

int positionRank(std::string_view text, std::size_t position) {
    if (position >= text.size()) {
        return -1;
    }
    const char c = text[position];
    return c == '0' ? 0 : faceRank(c - '0');
}

} // namespace

bool callBeats(std::span<const int> call, int callScore, std::span<const int> last, int lastScore) {
    const int callClass = shapeClass(callScore);
    const int lastClass = shapeClass(lastScore);
    if (callClass != lastClass) {
        return callClass > lastClass;
    }
    const std::size_t positions = std::min<std::size_t>({call.size(), last.size(), kDiceCount});
    for (std::size_t i = 0; i < positions; ++i) {
        if (ranksAbove(call[i], last[i])) {
            return true;
        }
        if (ranksAbove(last[i], call[i])) {
            return false;
        }
    }
    return false;
}

bool textBeats(std::string_view dice, int diceScore, std::string_view call, int callScore) {
    const int diceClass = shapeClass(diceScore);
    const int callClass = shapeClass(callScore);
    if (diceClass != callClass) {
        return diceClass > callClass;
    }
    for (std::size_t i = 0; i < kDiceCount; ++i) {
        const int d = positionRank(dice, i);
        const int c = positionRank(call, i);
        if (d != c) {
            return d > c;
        }
    }
    return false;
}

bool textBeats(std::string_view dice, std::string_view call) {
    return textBeats(dice, shapeScore(countFaceDigits(dice)), call,
                     shapeScore(countFaceDigits(call)));
}

bool compareFixDice(std::string_view fix, std::string_view dice) {
    if (fix.size() != kDiceCount) {
        return true;
    }
    return countFaceDigits(fix) !=
           countFaceDigits(dice.substr(0, std::min(dice.size(), fix.size())));
}

HandOverTexts formHandOverTexts(std::span<const int> callDice,
                                std::span<const std::string> diceCaptions,
                                std::span<const int> fixDice, bool diceRolled) {
    const auto firstFive = [](auto all) {
        return all.first(std::min<std::size_t>(all.size(), kDiceCount));
    };
    HandOverTexts texts;
    texts.CallString = diceDigits(firstFive(callDice), EmptyPositions::Zero);
    texts.CallString.resize(kDiceCount, '0');
    for (const std::string& caption : firstFive(diceCaptions)) {
        texts.DiceString += caption;
    }
    if (diceRolled) {
        texts.FixString = diceDigits(firstFive(fixDice));
    }
    return texts;
}

} // namespace quintel
