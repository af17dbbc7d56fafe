#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace quintel {

// Count of each face 1..6 in a set of dice; entry 0 is never used for a face.
using FaceCounts = std::array<int, 7>;

inline constexpr int kDiceCount = 5;
inline constexpr int kFaces = 6;

// 1 ranks highest, then 6, 5, 4, 3, 2; an empty position (0) ranks below every face.
constexpr int faceRank(int face) {
    if (face == 1) {
        return 6;
    }
    return face >= 2 && face <= 6 ? face - 1 : 0;
}

constexpr bool ranksAbove(int a, int b) {
    return faceRank(a) > faceRank(b);
}

// Weight that a face shown by `count` dice adds to a shape score.
constexpr int shapeWeight(int count) {
    constexpr std::array<int, 6> weights{0, 1, 10, 30, 50, 60};
    return count >= 0 && count <= 5 ? weights[static_cast<std::size_t>(count)] : 0;
}

constexpr int shapeClass(int shapeScore) {
    return shapeScore / 10;
}

constexpr bool isFace(int value) {
    return value >= 1 && value <= kFaces;
}
constexpr bool isFaceDigit(char c) {
    return c >= '1' && c <= '6';
}
// A digit of a call as the call dialog writes it: a face, or '0' for an empty position.
bool isCallDigit(char c);

FaceCounts countFaces(std::span<const int> dice);
FaceCounts countFaceDigits(std::string_view digits);
int shapeScore(const FaceCounts& counts);

// Brings dice into canonical order: larger groups first, equal groups by face rank, empty
// positions (0) last. Returns the face counts of the dice.
FaceCounts arrangeDice(std::span<int> dice);

// The same order on a text of face digits ('0' characters, if any, go last).
std::string arrangeDigits(std::string_view digits);
// As above, in place; returns the face counts of the text.
FaceCounts arrangeDigitsInPlace(std::string& digits);

// Every face shows at least as often in `have` as in `need`: the dice of `need` are among those of
// `have`. Entry 0 is not a face and is not compared.
// Inline: the engine asks it for every hand it weighs.
constexpr bool covers(const FaceCounts& have, const FaceCounts& need) {
    for (std::size_t face = 1; face <= kFaces; ++face) {
        if (have[face] < need[face]) {
            return false;
        }
    }
    return true;
}

// What a text of dice writes for an empty position (0): nothing, or the digit '0' as a call does.
enum class EmptyPositions { Skip, Zero };

// The dice as a text of digits, in the given order.
std::string diceDigits(std::span<const int> dice, EmptyPositions empty = EmptyPositions::Skip);

// Number of dice a call text names: its digits other than '0'.
int namedDiceCount(std::string_view digits);

} // namespace quintel
