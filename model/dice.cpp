#include "model/dice.h"

#include <algorithm>

namespace quintel {

bool isFace(int value) {
    return value >= 1 && value <= kFaces;
}

bool isFaceDigit(char c) {
    return c >= '1' && c <= '6';
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

// True when `a` stands before `b` in canonical order, given the face counts of the whole set.
bool standsBefore(int a, int b, const FaceCounts& counts) {
    const int countA = isFace(a) ? counts[static_cast<std::size_t>(a)] : -1;
    const int countB = isFace(b) ? counts[static_cast<std::size_t>(b)] : -1;
    if (countA != countB) {
        return countA > countB;
    }
    return faceRank(a) > faceRank(b);
}

} // namespace

FaceCounts arrangeDice(std::span<int> dice) {
    const FaceCounts counts = countFaces(dice);
    std::stable_sort(dice.begin(), dice.end(),
                     [&counts](int a, int b) { return standsBefore(a, b, counts); });
    return counts;
}

std::string arrangeDigits(std::string_view digits) {
    std::string arranged(digits);
    const FaceCounts counts = countFaceDigits(digits);
    std::stable_sort(arranged.begin(), arranged.end(),
                     [&counts](char a, char b) { return standsBefore(a - '0', b - '0', counts); });
    return arranged;
}

std::string diceDigits(std::span<const int> dice) {
    std::string digits;
    for (int die : dice) {
        if (isFace(die)) {
            digits.push_back(static_cast<char>('0' + die));
        }
    }
    return digits;
}

int namedDiceCount(std::string_view digits) {
    return static_cast<int>(std::count_if(digits.begin(), digits.end(), isFaceDigit));
}

std::string withoutZeros(std::string_view digits) {
    std::string result;
    for (char c : digits) {
        if (c != '0') {
            result.push_back(c);
        }
    }
    return result;
}

} // namespace quintel
