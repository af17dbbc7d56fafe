#include "model/dice.h"

#include <algorithm>

namespace quintel {

bool isCallDigit(char c) {
    return c == '0' || isFaceDigit(c);
}

FaceCounts countFaces(std::span<const int> dice) {
    FaceCounts counts{};
    for (int die : dice) {
        if (isFace(die)) {
            ++counts[static_cast<std::size_t>(die)];
        }
    }
    return counts;
}

FaceCounts countFaceDigits(std::string_view digits) {
    FaceCounts counts{};
    for (char c : digits) {
        if (isFaceDigit(c)) {
            ++counts[static_cast<std::size_t>(c - '0')];
        }
    }
    return counts;
}

int shapeScore(const FaceCounts& counts) {
    int score = 0;
    for (int face = 1; face <= kFaces; ++face) {
        score += shapeWeight(counts[static_cast<std::size_t>(face)]);
    }
    return score;
}

namespace {

// Position of a die in canonical order, higher first: the size of its group, then its face rank
// (below 8, so the group decides first). Empty positions go last.
int orderKey(int die, const FaceCounts& counts) {
    return isFace(die) ? counts[static_cast<std::size_t>(die)] * 8 + faceRank(die) : -1;
}

// True when `a` stands before `b` in canonical order, given the face counts of the whole set.
bool standsBefore(int a, int b, const FaceCounts& counts) {
    return orderKey(a, counts) > orderKey(b, counts);
}

} // namespace

FaceCounts arrangeDice(std::span<int> dice) {
    const FaceCounts counts = countFaces(dice);
    std::stable_sort(dice.begin(), dice.end(),
                     [&counts](int a, int b) { return standsBefore(a, b, counts); });
    return counts;
}

FaceCounts arrangeDigitsInPlace(std::string& digits) {
    const FaceCounts counts = countFaceDigits(digits);
    std::stable_sort(digits.begin(), digits.end(),
                     [&counts](char a, char b) { return standsBefore(a - '0', b - '0', counts); });
    return counts;
}

std::string arrangeDigits(std::string_view digits) {
    std::string arranged(digits);
    arrangeDigitsInPlace(arranged);
    return arranged;
}

std::string diceDigits(std::span<const int> dice, EmptyPositions empty) {
    std::string digits;
    for (int die : dice) {
        if (isFace(die) || (die == 0 && empty == EmptyPositions::Zero)) {
            digits.push_back(static_cast<char>('0' + die));
        }
    }
    return digits;
}

int namedDiceCount(std::string_view digits) {
    return static_cast<int>(std::count_if(digits.begin(), digits.end(), isFaceDigit));
}

} // namespace quintel
