#include "model/call_rules.h"
#include "model/dice.h"
#include "model/hand_table.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>

namespace quintel {
namespace {

const HandTable& table() {
    return HandTable::instance();
}

TEST(HandTable, HoldsTheTellingRows) {
    const std::map<std::pair<int, int>, std::string> telling{
        {{1, 1}, "65432"},  {{1, 2}, "15432"},  {{1, 3}, "16432"},  {{1, 4}, "16532"},
        {{1, 5}, "16542"},  {{1, 6}, "16543"},  {{2, 1}, "22543"},  {{2, 2}, "22643"},
        {{2, 3}, "22653"},  {{2, 4}, "22654"},  {{2, 5}, "22143"},  {{2, 6}, "22153"},
        {{2, 7}, "22154"},  {{2, 8}, "22163"},  {{2, 9}, "22164"},  {{2, 10}, "22165"},
        {{2, 11}, "33542"}, {{2, 20}, "33165"}, {{2, 21}, "44532"}, {{2, 31}, "55432"},
        {{2, 41}, "66432"}, {{2, 50}, "66154"}, {{2, 51}, "11432"}, {{2, 60}, "11654"},
        {{3, 1}, "33224"},  {{3, 2}, "33225"},  {{3, 3}, "33226"},  {{3, 4}, "33221"},
        {{3, 5}, "44223"},  {{3, 8}, "44221"},  {{3, 9}, "44332"},  {{3, 12}, "44331"},
        {{3, 13}, "55223"}, {{3, 25}, "66223"}, {{3, 40}, "66551"}, {{3, 41}, "11223"},
        {{3, 44}, "11226"}, {{3, 45}, "11332"}, {{3, 60}, "11665"}, {{4, 1}, "22243"},
        {{4, 2}, "22253"},  {{4, 3}, "22254"},  {{4, 4}, "22263"},  {{4, 5}, "22264"},
        {{4, 6}, "22265"},  {{4, 7}, "22213"},  {{4, 8}, "22214"},  {{4, 9}, "22215"},
        {{4, 10}, "22216"}, {{4, 11}, "33342"}, {{4, 51}, "11132"}, {{4, 60}, "11165"},
        {{5, 1}, "22233"},  {{5, 2}, "22244"},  {{5, 3}, "22255"},  {{5, 4}, "22266"},
        {{5, 5}, "22211"},  {{5, 6}, "33322"},  {{5, 25}, "66611"}, {{5, 26}, "11122"},
        {{5, 30}, "11166"}, {{6, 1}, "22223"},  {{6, 4}, "22226"},  {{6, 5}, "22221"},
        {{6, 6}, "33332"},  {{6, 26}, "11112"}, {{6, 30}, "11116"}, {{7, 1}, "22222"},
        {{7, 2}, "33333"},  {{7, 3}, "44444"},  {{7, 4}, "55555"},  {{7, 5}, "66666"},
        {{7, 6}, "11111"},
    };
    for (const auto& [place, hand] : telling) {
        EXPECT_EQ(table()(place.first, place.second), hand)
            << "row " << place.first << " position " << place.second;
    }
}

TEST(HandTable, HoldsEachOfThe252HandsOnceInItsClassAndNothingElse) {
    std::set<std::string> seen;
    for (int row = 0; row < HandTable::kRows; ++row) {
        const int size = row >= 1 && row <= 7 ? HandTable::classSize(row - 1) : 0;
        for (int position = 0; position < HandTable::kPositions; ++position) {
            const std::string& hand = table()(row, position);
            if (position < 1 || position > size) {
                EXPECT_TRUE(hand.empty()) << row << "," << position;
                continue;
            }
            ASSERT_EQ(hand.size(), 5u);
            EXPECT_EQ(arrangeDigits(hand), hand) << "not in canonical order: " << hand;
            EXPECT_EQ(shapeClass(shapeScore(countFaceDigits(hand))), row - 1) << hand;
            EXPECT_TRUE(seen.insert(hand).second) << "twice: " << hand;
        }
    }
    EXPECT_EQ(seen.size(), 252u);
}

TEST(HandTable, EachHandBeatsExactlyTheHandsBeforeIt) {
    std::vector<std::string> ranked;
    for (int row = 1; row <= 7; ++row) {
        for (int position = 1; position <= HandTable::classSize(row - 1); ++position) {
            ranked.push_back(table()(row, position));
        }
    }
    for (std::size_t i = 0; i < ranked.size(); ++i) {
        for (std::size_t j = 0; j < ranked.size(); ++j) {
            EXPECT_EQ(textBeats(ranked[i], ranked[j]), i > j) << ranked[i] << " vs " << ranked[j];
        }
    }
    EXPECT_EQ(ranked.front(), "65432");
    EXPECT_EQ(ranked.back(), "11111");
}

TEST(HandTable, EntriesOutsideTheTableAreEmpty) {
    EXPECT_TRUE(table()(0, 1).empty());
    EXPECT_TRUE(table()(8, 1).empty());
    EXPECT_TRUE(table()(-1, 0).empty());
    EXPECT_TRUE(table()(1, 62).empty());
}

} // namespace
} // namespace quintel
