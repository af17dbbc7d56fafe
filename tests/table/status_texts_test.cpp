#include "table/status_texts.h"

#include <gtest/gtest.h>

namespace quintel {
namespace {

const TableKeys keys{.call = "C",
                     .change = "H",
                     .roll = "R",
                     .cancel = "Esc",
                     .trust = "T",
                     .notTrust = "X",
                     .firstDie = "1",
                     .lastDie = "5"};

TEST(StatusTexts, TellThePlayerWhatEachPhaseOfTheirTurnOffers) {
    EXPECT_EQ(ownThrowStatus("66432", keys),
              "Your turn: your dice 66432, a pair of sixes. Make the first call (C).");
    EXPECT_EQ(trustedStatus("5544", "55441", keys),
              "You trusted 5544 and hold 55441, two pairs, fives and fours. Change dice (H) or "
              "call (C): your call must beat 5544.");
    EXPECT_EQ(changingStatus({.marked = 2, .selectable = 4}, keys),
              "Mark the dice to throw again (keys 1 to 5): 2 dice marked to throw again. Roll (R) "
              "or cancel (Esc).");
    EXPECT_EQ(changingStatus({.marked = 5, .selectable = 0}, keys),
              "No die can be chosen: all five dice marked to throw again. Roll (R) or cancel "
              "(Esc).");
    EXPECT_EQ(thrownStatus(1, "33322", "5544", keys),
              "You threw 1 die and hold 33322, full house, threes over twos. Call (C): your call "
              "must beat 5544.");
    EXPECT_EQ(thrownStatus(0, "65432", "5544", keys),
              "You threw no dice and hold 65432, no two alike. Call (C): your call must beat "
              "5544.");
}

TEST(StatusTexts, SayWhatTheComputerKeptThrewAndCalled) {
    ComputerMove move{.name = "AI", .kept = "55", .thrown = 3, .call = "5544", .trustable = true};
    EXPECT_EQ(computerCallStatus(move, keys),
              "AI kept 55 and threw 3 dice; it calls 5544: two pairs, fives and fours. Trust it "
              "(T) or do not trust it (X).");
    move = {.name = "AI", .kept = "66661", .thrown = 0, .call = "6666", .trustable = true};
    EXPECT_EQ(computerCallStatus(move, keys),
              "AI kept its five dice; it calls 6666: four sixes. Trust it (T) or do not trust it "
              "(X).");
    move = {.name = "AI", .kept = "", .thrown = 5, .call = "3", .trustable = true};
    EXPECT_EQ(computerCallStatus(move, keys),
              "AI threw all five dice; it calls 3: a single three. Trust it (T) or do not trust "
              "it (X).");
    move = {.name = "AI", .kept = "1111", .thrown = 1, .call = "11111", .trustable = false};
    EXPECT_EQ(computerCallStatus(move, keys),
              "AI kept 1111 and threw 1 die; it calls 11111: five of a kind, aces. Nothing beats "
              "it: do not trust it (X).");
}

TEST(StatusTexts, NameTheWinnerOfEachWayAChallengeEnds) {
    EXPECT_EQ(challengeStatus({Seat::Human, Seat::Computer, "5544", "55441"}, "AI"),
              "You did not trust 5544; the dice 55441 hold it: AI wins.");
    EXPECT_EQ(challengeStatus({Seat::Human, Seat::Human, "5544", "55461"}, "AI"),
              "You did not trust 5544; the dice 55461 do not hold it: you win.");
    EXPECT_EQ(challengeStatus({Seat::Computer, Seat::Human, "664", "66432"}, "AI"),
              "AI did not trust your 664; the dice 66432 hold it: you win.");
    EXPECT_EQ(challengeStatus({Seat::Computer, Seat::Computer, "664", "65432"}, "AI"),
              "AI did not trust your 664; the dice 65432 do not hold it: AI wins.");
}

} // namespace
} // namespace quintel
