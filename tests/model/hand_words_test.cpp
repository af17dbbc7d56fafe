#include "model/call_list.h"
#include "model/dice.h"
#include "model/hand_table.h"
#include "model/hand_words.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace quintel {
namespace {

TEST(HandWords, NameEveryShapeOfFiveDice) {
    EXPECT_EQ(handInWords("65432"), "no two alike");
    EXPECT_EQ(handInWords("15432"), "no two alike");
    EXPECT_EQ(handInWords("66432"), "a pair of sixes");
    EXPECT_EQ(handInWords("22143"), "a pair of twos");
    EXPECT_EQ(handInWords("55441"), "two pairs, fives and fours");
    EXPECT_EQ(handInWords("11665"), "two pairs, aces and sixes");
    EXPECT_EQ(handInWords("11165"), "three aces");
    EXPECT_EQ(handInWords("33322"), "full house, threes over twos");
    EXPECT_EQ(handInWords("22211"), "full house, twos over aces");
    EXPECT_EQ(handInWords("66662"), "four sixes");
    EXPECT_EQ(handInWords("55555"), "five of a kind, fives");
    EXPECT_EQ(handInWords("11111"), "five of a kind, aces");
}

TEST(HandWords, NameEveryShapeOfShorterCalls) {
    EXPECT_EQ(handInWords("6"), "a single six");
    EXPECT_EQ(handInWords("1"), "a single ace");
    EXPECT_EQ(handInWords("65"), "two different dice");
    EXPECT_EQ(handInWords("66"), "a pair of sixes");
    EXPECT_EQ(handInWords("165"), "three different dice");
    EXPECT_EQ(handInWords("664"), "a pair of sixes");
    EXPECT_EQ(handInWords("333"), "three threes");
    EXPECT_EQ(handInWords("6543"), "four different dice");
    EXPECT_EQ(handInWords("2243"), "a pair of twos");
    EXPECT_EQ(handInWords("5544"), "two pairs, fives and fours");
    EXPECT_EQ(handInWords("4442"), "three fours");
    EXPECT_EQ(handInWords("1111"), "four aces");
}

TEST(HandWords, ReadDiceInAnyOrderAndLeaveEmptyPlacesOut) {
    EXPECT_EQ(handInWords("45454"), "full house, fours over fives");
    EXPECT_EQ(handInWords("55200"), "a pair of fives");
    const std::array<int, 5> dice{4, 0, 5, 4, 5};
    EXPECT_EQ(handInWords(dice), "two pairs, fives and fours");
    EXPECT_EQ(handInWords(""), "no dice");
    EXPECT_EQ(handInWords("00000"), "no dice");
}

// The words of a five-dice hand follow from its class and the faces at the head of its hand
// string, where the groups stand largest first.
std::string expectedFromHandString(int shapeClass, const std::string& hand) {
    const auto face = [&](std::size_t i) { return std::string(facesWord(hand[i] - '0')); };
    switch (shapeClass) {
    case 0:
        return "no two alike";
    case 1:
        return "a pair of " + face(0);
    case 2:
        return "two pairs, " + face(0) + " and " + face(2);
    case 3:
        return "three " + face(0);
    case 4:
        return "full house, " + face(0) + " over " + face(3);
    case 5:
        return "four " + face(0);
    default:
        return "five of a kind, " + face(0);
    }
}

TEST(HandWords, AgreeWithTheHandTableForAllHands) {
    const HandTable& table = HandTable::instance();
    std::set<std::string> words;
    for (int shapeClass = 0; shapeClass <= 6; ++shapeClass) {
        for (int position = 1; position <= HandTable::classSize(shapeClass); ++position) {
            const std::string& hand = table(shapeClass + 1, position);
            EXPECT_EQ(handInWords(hand), expectedFromHandString(shapeClass, hand)) << hand;
            words.insert(handInWords(hand));
        }
    }
    // 1 + 6 pairs + 15 two pairs + 6 triples + 30 full houses + 6 fours + 6 fives.
    EXPECT_EQ(words.size(), 70U);
}

// Two calls with the same words have the same groups: the words name every group of two or more
// dice, and calls without one by how many dice they have (or the face of a single die).
TEST(HandWords, TellApartEveryCallWhoseGroupsDiffer) {
    std::map<std::string, std::string> groupsByWords;
    for (const RankedCall& call : everyCallWeakestFirst()) {
        const FaceCounts counts = countFaces(call.dice);
        std::string groups;
        int dice = 0;
        for (int face = 1; face <= kFaces; ++face) {
            const int count = counts[static_cast<std::size_t>(face)];
            dice += count;
            groups += count >= 2 ? std::to_string(face) + "x" + std::to_string(count) + " " : "";
        }
        if (groups.empty()) {
            groups = dice == 1 ? "single " + diceDigits(call.dice) : std::to_string(dice);
        }
        const auto [entry, added] = groupsByWords.emplace(handInWords(call.dice), groups);
        EXPECT_EQ(entry->second, groups) << entry->first << " " << diceDigits(call.dice);
    }
}

} // namespace
} // namespace quintel
