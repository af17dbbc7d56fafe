#include "model/hand_words.h"

#include "model/dice.h"
#include "model/translation.h"

#include <algorithm>
#include <array>
#include <vector>

namespace quintel {

namespace {

// The faces and counts in English, as the accessible texts name them; a hand in words is in the
// player's language.
constexpr std::array<std::string_view, 7> kFaceWords{"",
                                                     marked("Hands", "ace"),
                                                     marked("Hands", "two"),
                                                     marked("Hands", "three"),
                                                     marked("Hands", "four"),
                                                     marked("Hands", "five"),
                                                     marked("Hands", "six")};
constexpr std::array<std::string_view, 7> kFacesWords{"",
                                                      marked("Hands", "aces"),
                                                      marked("Hands", "twos"),
                                                      marked("Hands", "threes"),
                                                      marked("Hands", "fours"),
                                                      marked("Hands", "fives"),
                                                      marked("Hands", "sixes")};

// Counted dice: a context of their own, as some languages count with other words than they name
// a face with.
constexpr std::array<std::string_view, 6> kCountWords{
    marked("HandCounts", "no"),    marked("HandCounts", "one"),  marked("HandCounts", "two"),
    marked("HandCounts", "three"), marked("HandCounts", "four"), marked("HandCounts", "five")};

std::string facesInLanguage(int face) {
    return translatedMarked("Hands", kFacesWords[static_cast<std::size_t>(face)]);
}

struct Group {
    int face = 0;
    int size = 0;
};

// The faces shown, largest group first and equal groups by face rank: canonical order.
std::vector<Group> groupsOf(const FaceCounts& counts) {
    std::vector<Group> groups;
    for (int face = 1; face <= kFaces; ++face) {
        if (const int size = counts[static_cast<std::size_t>(face)]; size > 0) {
            groups.push_back({face, size});
        }
    }
    std::ranges::sort(groups, [](const Group& a, const Group& b) {
        return a.size != b.size ? a.size > b.size : ranksAbove(a.face, b.face);
    });
    return groups;
}

// Dice that are all different: one die is named, more are counted.
std::string allDifferent(const std::vector<Group>& groups, int dice) {
    if (dice == 1) {
        return withArguments(
            translated("Hands", "a single %1"),
            {translatedMarked("Hands", kFaceWords[static_cast<std::size_t>(groups.front().face)])});
    }
    if (dice == kDiceCount) {
        return translated("Hands", "no two alike");
    }
    return withArguments(
        translated("Hands", "%1 different dice"),
        {translatedMarked("HandCounts", kCountWords[static_cast<std::size_t>(dice)])});
}

} // namespace

std::string_view faceWord(int face) {
    return isFace(face) ? kFaceWords[static_cast<std::size_t>(face)] : std::string_view{};
}

std::string_view facesWord(int face) {
    return isFace(face) ? kFacesWords[static_cast<std::size_t>(face)] : std::string_view{};
}

std::string handInWords(std::span<const int> dice) {
    const FaceCounts counts = countFaces(dice);
    const std::vector<Group> groups = groupsOf(counts);
    if (groups.empty()) {
        return translated("Hands", "no dice");
    }
    const Group& first = groups.front();
    const std::string firstFaces = facesInLanguage(first.face);
    const bool secondIsPair = groups.size() > 1 && groups[1].size == 2;
    const std::string secondFaces = groups.size() > 1 ? facesInLanguage(groups[1].face) : "";
    switch (first.size) {
    case 5:
        return withArguments(translated("Hands", "five of a kind, %1"), {firstFaces});
    case 4:
        return withArguments(translated("Hands", "four %1"), {firstFaces});
    case 3:
        if (secondIsPair) {
            return withArguments(translated("Hands", "full house, %1 over %2"),
                                 {firstFaces, secondFaces});
        }
        return withArguments(translated("Hands", "three %1"), {firstFaces});
    case 2:
        if (secondIsPair) {
            return withArguments(translated("Hands", "two pairs, %1 and %2"),
                                 {firstFaces, secondFaces});
        }
        return withArguments(translated("Hands", "a pair of %1"), {firstFaces});
    default:
        return allDifferent(groups, static_cast<int>(groups.size()));
    }
}

std::string handInWords(std::string_view digits) {
    std::vector<int> dice;
    for (char c : digits) {
        if (isFaceDigit(c)) {
            dice.push_back(c - '0');
        }
    }
    return handInWords(dice);
}

} // namespace quintel
