#include "model/hand_words.h"

#include "model/dice.h"

#include <algorithm>
#include <array>
#include <vector>

namespace quintel {

namespace {

constexpr std::array<std::string_view, 7> kFaceWords{"",     "ace",  "two", "three",
                                                     "four", "five", "six"};
constexpr std::array<std::string_view, 7> kFacesWords{"",      "aces",  "twos", "threes",
                                                      "fours", "fives", "sixes"};
constexpr std::array<std::string_view, 6> kCountWords{"no", "one", "two", "three", "four", "five"};

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

std::string joined(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (std::string_view part : parts) {
        text += part;
    }
    return text;
}

// Dice that are all different: one die is named, more are counted.
std::string allDifferent(const std::vector<Group>& groups, int dice) {
    if (dice == 1) {
        return joined({"a single ", faceWord(groups.front().face)});
    }
    if (dice == kDiceCount) {
        return "no two alike";
    }
    return joined({kCountWords[static_cast<std::size_t>(dice)], " different dice"});
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
        return "no dice";
    }
    const Group& first = groups.front();
    const std::string_view firstFaces = facesWord(first.face);
    const bool secondIsPair = groups.size() > 1 && groups[1].size == 2;
    const std::string_view secondFaces = groups.size() > 1 ? facesWord(groups[1].face) : "";
    switch (first.size) {
    case 5:
        return joined({"five of a kind, ", firstFaces});
    case 4:
        return joined({"four ", firstFaces});
    case 3:
        if (secondIsPair) {
            return joined({"full house, ", firstFaces, " over ", secondFaces});
        }
        return joined({"three ", firstFaces});
    case 2:
        if (secondIsPair) {
            return joined({"two pairs, ", firstFaces, " and ", secondFaces});
        }
        return joined({"a pair of ", firstFaces});
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
