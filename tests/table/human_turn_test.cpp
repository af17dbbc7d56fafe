#include "testing/table_fixture.h"

#include <gtest/gtest.h>

#include <tuple>

namespace quintel::testing {
namespace {

constexpr std::string_view kOwnThrow = "Call1 E, Change D, Roll H, XChange H, Trust D, XTrust D";
constexpr std::string_view kAnswer = "Call1 D, Change D, Roll H, XChange H, Trust E, XTrust E";
constexpr std::string_view kTrusted = "Call1 E, Change E, Roll H, XChange H, Trust D, XTrust D";
constexpr std::string_view kChanging = "Call1 D, Change D, Roll S, XChange S, Trust D, XTrust D";
constexpr std::string_view kThrown = "Call1 E, Change D, Roll H, XChange H, Trust D, XTrust D";

class TablePhases : public TableTest,
                    public ::testing::WithParamInterface<std::tuple<bool, bool>> {};

// The computer fixed one six and calls two sixes on 6 6 5 4 3: the call is covered, so without
// Fix Any the dice outside the call are marked; with Fix Permanent the fixed six is locked.
TEST_P(TablePhases, EveryPhaseShowsItsButtonsAndDice) {
    const auto [fixAny, fixPermanent] = GetParam();
    signIn(fixAny, fixPermanent);
    EXPECT_EQ(buttons(), kOwnThrow);
    EXPECT_EQ(diceLook(), "SE SE SE SE SE");

    reachAnswer("66543", "66", "6");
    EXPECT_EQ(buttons(), kAnswer);
    EXPECT_EQ(diceLook(), "HE HE HE HE HE");
    EXPECT_FALSE(table.lblSecond.visible);

    table.Trust.click();
    EXPECT_EQ(buttons(), kTrusted);
    EXPECT_EQ(diceLook(), "SE SE SE SE SE");
    EXPECT_EQ(dice(), "6 6 5 4 3");

    table.Change_Dice.click();
    EXPECT_EQ(buttons(), kChanging);
    EXPECT_EQ(dice(), fixAny ? "6 6 5 4 3" : "6 6 5X 4X 3X");
    EXPECT_EQ(diceLook(), fixPermanent ? "SD SE SE SE SE" : "SE SE SE SE SE");

    table.XChange.click();
    EXPECT_EQ(buttons(), kTrusted);
    EXPECT_EQ(diceLook(), "SE SE SE SE SE");
    EXPECT_EQ(dice(), "6 6 5 4 3");

    table.Change_Dice.click();
    table.Roll.click();
    EXPECT_EQ(buttons(), kThrown);
    EXPECT_EQ(diceLook(), fixPermanent ? "SD SE SE SE SE" : "SE SE SE SE SE");

    computer.calls("11116", "1111", "1111");
    humanCalls("666");
    EXPECT_EQ(buttons(), kAnswer);
    EXPECT_EQ(game.match.toMove(), Seat::Human);
    // The lock of Fix Permanent outlives the call and the next trust.
    table.Trust.click();
    EXPECT_EQ(diceLook(), fixPermanent ? "SD SE SE SE SE" : "SE SE SE SE SE");
}

INSTANTIATE_TEST_SUITE_P(OptionSets, TablePhases,
                         ::testing::Combine(::testing::Bool(), ::testing::Bool()));

using HumanTurn = TableTest;

// Trusting a call leaves the player to beat it; nothing beats five aces.
TEST_F(HumanTurn, OnlyNotTrustingIsOfferedAgainstACallThatNothingBeats) {
    signIn();
    const auto playOn = [this] {
        messages.clear();
        for (const MessageAnswer answer :
             {MessageAnswer::Ok, MessageAnswer::Ok, MessageAnswer::Yes}) {
            messages.answer(answer);
        }
    };
    reachAnswer("11111", "11111", "11111");
    EXPECT_EQ(buttons(), "Call1 D, Change D, Roll H, XChange H, Trust D, XTrust E");
    EXPECT_FALSE(table.pressKey("T"));
    playOn();
    EXPECT_TRUE(table.pressKey("X"));
    EXPECT_EQ(messages.texts().at(1), "YOU Lose!!");

    // The calls just below it can still be trusted and beaten.
    for (const char* call : {"66666", "11116", "1111"}) {
        computer.calls("11116", call, "1111");
        humanCalls("2");
        EXPECT_EQ(buttons(), kAnswer) << call;
        playOn();
        table.XTrust.click();
    }
}

TEST_F(HumanTurn, CoveredCallLetsTheCalledDiceBeKeptTakenFromTheLeft) {
    signIn();
    reachAnswer("65615", "665");
    table.Trust.click();
    EXPECT_EQ(dice(), "6 6 5 5 1");
    table.Change_Dice.click();
    EXPECT_EQ(dice(), "6 6 5 5X 1X");
    EXPECT_EQ(table.DiceMarked, (std::array<bool, 6>{false, false, false, true, true, false}));

    table.Dice[3].click(); // must be thrown: not selectable
    EXPECT_EQ(dice(), "6 6 5 5X 1X");
    table.Dice[0].click();
    EXPECT_EQ(dice(), "6X 6 5 5X 1X");
    EXPECT_TRUE(table.DiceMarked[0]);
    table.Dice[0].click();
    EXPECT_EQ(dice(), "6 6 5 5X 1X");
    EXPECT_FALSE(table.DiceMarked[0]);

    table.Dice[2].click();
    table.Roll.click();
    EXPECT_TRUE(game.match.threwThisTurn());
    EXPECT_EQ(game.match.fixed().digits(), "66");
    EXPECT_EQ(dice().substr(0, 3), "6 6");
    EXPECT_EQ(dice().find('X'), std::string::npos);
    // One throw a turn: no die can be marked any more.
    table.Dice[0].click();
    EXPECT_EQ(dice().substr(0, 3), "6 6");
}

TEST_F(HumanTurn, ChangingClosesACallDialogLeftOpenSoNoCallCarriesMarkedDice) {
    signIn();
    reachAnswer("66543", "66");
    table.Trust.click();
    compose("666");
    ASSERT_TRUE(dialog.shown());
    table.Change_Dice.click();
    EXPECT_FALSE(dialog.shown());
    EXPECT_EQ(dice(), "6 6 5X 4X 3X");
    EXPECT_EQ(buttons(), kChanging);
}

TEST_F(HumanTurn, UncoveredCallMakesEveryDieBeThrownAgain) {
    signIn();
    reachAnswer("65432", "66");
    table.Trust.click();
    table.Change_Dice.click();
    EXPECT_EQ(dice(), "6X 5X 4X 3X 2X");
    for (int i = 0; i < 5; ++i) {
        table.Dice[static_cast<std::size_t>(i)].click();
    }
    EXPECT_EQ(dice(), "6X 5X 4X 3X 2X");
    table.Roll.click();
    EXPECT_EQ(game.match.fixed().digits(), "");
    for (const Control& die : table.Dice) {
        ASSERT_EQ(die.caption.size(), 1U);
        EXPECT_TRUE(isFaceDigit(die.caption[0]));
    }
}

TEST_F(HumanTurn, OneDieCallIsCoveredOnlyByADieOfItsFace) {
    signIn();
    reachAnswer("65432", "6");
    table.Trust.click();
    table.Change_Dice.click();
    EXPECT_EQ(dice(), "6 5X 4X 3X 2X");

    table.functStart();
    reachAnswer("55432", "6");
    table.Trust.click();
    table.Change_Dice.click();
    EXPECT_EQ(dice(), "5X 5X 4X 3X 2X");
}

TEST_F(HumanTurn, FixAnyLeavesEveryDieToThePlayerAndRollWithoutMarksFixesAll) {
    signIn(true, false);
    reachAnswer("65432", "66");
    table.Trust.click();
    table.Change_Dice.click();
    EXPECT_EQ(dice(), "6 5 4 3 2");
    EXPECT_EQ(table.DiceSelectable, (std::array<bool, 6>{true, true, true, true, true, false}));
    table.Roll.click();
    EXPECT_EQ(dice(), "6 5 4 3 2");
    EXPECT_EQ(game.match.fixed().digits(), "65432");
}

TEST_F(HumanTurn, FixPermanentLocksThePreviousCallersFixedDice) {
    signIn(false, true);
    reachAnswer("61662", "666", "66");
    table.Trust.click();
    EXPECT_EQ(dice(), "6 6 6 1 2");
    table.Change_Dice.click();
    EXPECT_EQ(dice(), "6 6 6 1X 2X");
    EXPECT_EQ(diceLook(), "SD SD SE SE SE");
    EXPECT_EQ(table.DiceSelectable, (std::array<bool, 6>{false, false, true, false, false, false}));
    table.Dice[0].click();
    EXPECT_EQ(dice(), "6 6 6 1X 2X");
    table.Dice[2].click();
    table.Roll.click();
    EXPECT_EQ(game.match.fixed().digits(), "66");
}

TEST_F(HumanTurn, FixPermanentLockOverridesMarksOfAnUncoveredCall) {
    signIn(false, true);
    reachAnswer("65432", "55", "6");
    table.Trust.click();
    table.Change_Dice.click();
    EXPECT_EQ(dice(), "6 5X 4X 3X 2X");
    EXPECT_EQ(table.DiceMarked, (std::array<bool, 6>{false, true, true, true, true, false}));
    EXPECT_EQ(diceLook(), "SD SE SE SE SE");
}

// The lock outlives the call and the next trust; a die it left disabled that the next change marks
// is thrown all the same (the table draws it as marked, not locked).
TEST_F(HumanTurn, ADieLeftLockedByAnEarlierChangeIsThrownWhenTheNextChangeMarksIt) {
    signIn(false, true);
    reachAnswer("66543", "66", "6");
    table.Trust.click();
    table.Change_Dice.click();
    table.Roll.click();
    computer.calls("55432", "6666");
    humanCalls("666");
    table.Trust.click();
    table.Change_Dice.click();
    EXPECT_EQ(dice(), "5X 5X 4X 3X 2X");
    EXPECT_EQ(diceLook(), "SD SE SE SE SE");
    table.Roll.click();
    EXPECT_EQ(game.match.fixed().digits(), "");
}

TEST_F(HumanTurn, BothOptionsLeaveEveryUnlockedDieSelectable) {
    signIn(true, true);
    reachAnswer("66543", "55", "64");
    table.Trust.click();
    table.Change_Dice.click();
    EXPECT_EQ(dice(), "6 6 5 4 3");
    EXPECT_EQ(diceLook(), "SD SE SE SD SE");
    EXPECT_EQ(table.DiceSelectable, (std::array<bool, 6>{false, true, true, false, true, false}));
}

TEST_F(HumanTurn, CancelUndoesTheMarksAndFreesLockedDice) {
    signIn(false, true);
    reachAnswer("66543", "66", "6");
    table.Trust.click();
    table.Change_Dice.click();
    table.Dice[1].click();
    EXPECT_EQ(dice(), "6 6X 5X 4X 3X");
    table.XChange.click();
    EXPECT_EQ(dice(), "6 6 5 4 3");
    EXPECT_EQ(table.DiceMarked, (std::array<bool, 6>{}));
    EXPECT_EQ(table.DiceSelectable, (std::array<bool, 6>{}));
    EXPECT_EQ(diceLook(), "SE SE SE SE SE");
    EXPECT_FALSE(game.match.threwThisTurn());
    table.Dice[1].click();
    EXPECT_EQ(dice(), "6 6 5 4 3");

    table.Change_Dice.click();
    EXPECT_EQ(dice(), "6 6 5X 4X 3X");
    EXPECT_EQ(diceLook(), "SD SE SE SE SE");
}

TEST_F(HumanTurn, EachCallAddsALineToBothLogs) {
    signIn(true, false);
    reachAnswer("66543", "66");
    table.Trust.click();
    table.Change_Dice.click();
    table.Dice[3].click();
    table.Dice[4].click();
    table.Roll.click();
    EXPECT_EQ(game.match.fixed().digits(), "665");
    computer.calls("11111", "11111", "11");
    humanCalls("666");
    EXPECT_EQ(table.Text1.caption,
              "Ann Call: 2\r\nAI Call: 66\r\nAnn Call: 666\r\nAI Call: 11111\r\n");
    EXPECT_EQ(table.Text2.caption, "Ann Fix: \r\nAI Fix: \r\nAnn Fix: 665\r\nAI Fix: 11\r\n");
    EXPECT_EQ(lastCall(), "11111");
    // What the computer's second turn saw: the call and the dice kept at the throw, never the
    // player's dice.
    ASSERT_EQ(computer.seen.size(), 2U);
    EXPECT_EQ(computer.seen[1].lastCall->digits(), "666");
    EXPECT_EQ(computer.seen[1].callerFixed.digits(), "665");
    EXPECT_TRUE(computer.seen[1].callerThrew);
    EXPECT_FALSE(computer.seen[1].dice);
    EXPECT_FALSE(computer.seen[1].callerDice);
}

} // namespace
} // namespace quintel::testing
