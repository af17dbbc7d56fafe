#include "model/hand_table.h"

#include "model/call_rules.h"
#include "model/dice.h"

#include <algorithm>
#include <vector>

namespace quintel {

namespace {

std::vector<std::string> allHandStrings() {
    std::vector<std::string> hands;
    std::array<int, kDiceCount> dice{};
    for (dice[0] = 1; dice[0] <= kFaces; ++dice[0]) {
        for (dice[1] = dice[0]; dice[1] <= kFaces; ++dice[1]) {
            for (dice[2] = dice[1]; dice[2] <= kFaces; ++dice[2]) {
                for (dice[3] = dice[2]; dice[3] <= kFaces; ++dice[3]) {
                    for (dice[4] = dice[3]; dice[4] <= kFaces; ++dice[4]) {
                        std::array<int, kDiceCount> hand = dice;
                        arrangeDice(hand);
                        hands.push_back(diceDigits(hand));
                    }
                }
            }
        }
    }
    return hands;
}

} // namespace

HandTable::HandTable() {
    std::vector<std::string> hands = allHandStrings();
    std::sort(hands.begin(), hands.end(),
              [](const std::string& a, const std::string& b) { return textBeats(b, a); });
    std::array<int, kRows> filled{};
    for (const std::string& hand : hands) {
        const int row = shapeClass(shapeScore(countFaceDigits(hand))) + 1;
        const int position = ++filled[static_cast<std::size_t>(row)];
        entries_[static_cast<std::size_t>(row)][static_cast<std::size_t>(position)] = hand;
    }
}

const HandTable& HandTable::instance() {
    static const HandTable table;
    return table;
}

const std::string& HandTable::operator()(int row, int position) const {
    static const std::string empty;
    if (row < 0 || row >= kRows || position < 0 || position >= kPositions) {
        return empty;
    }
    return entries_[static_cast<std::size_t>(row)][static_cast<std::size_t>(position)];
}

int HandTable::classSize(int shapeClass) {
    return shapeClass >= 0 && shapeClass < static_cast<int>(kClassSizes.size())
               ? kClassSizes[static_cast<std::size_t>(shapeClass)]
               : 0;
}

} // namespace quintel
