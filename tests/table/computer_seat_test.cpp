#include "testing/table_fixture.h"

#include <gtest/gtest.h>

namespace quintel::testing {
namespace {

// The table's procedures for the computer's seat, driven by hand after the player's call.
class ComputerSeat : public TableTest {
protected:
    void playerHasCalled(std::string_view dice, std::string_view call) {
        signIn();
        game.computer = nullptr;
        setDice(dice);
        humanCalls(call);
        ASSERT_EQ(state.CurrentPlayer, 1);
    }
};

TEST_F(ComputerSeat, AHandedCallIsRecordedAndAwaitsTheAnswerWithTheDiceHidden) {
    playerHasCalled("55336", "55332");
    state.DiceRolled = true;
    // Two pairs without their kicker keep the level of the five dice.
    table.computerCalls({"66554", {6, 6, 5, 5, 0}, 21, {6, 6, 0, 0, 0}});

    EXPECT_EQ(dice(), "6 6 5 5 4");
    EXPECT_EQ(diceLook(), "HE HE HE HE HE");
    EXPECT_EQ(buttons(), "Call1 D, Change D, Roll H, XChange H, Trust E, XTrust E");
    EXPECT_EQ(table.Text1.caption, "Ann Call: 55332\r\nAI Call: 6655\r\n");
    EXPECT_EQ(table.Text2.caption, "Ann Fix: \r\nAI Fix: 66\r\n");
    EXPECT_EQ(diceDigits(state.LastCallDice), "6655");
    EXPECT_EQ(state.LastCallLevel, 21);
    EXPECT_EQ(state.FixDice, (std::array<int, 5>{6, 6, 0, 0, 0}));
    EXPECT_EQ(state.MessageFields[0], "66554");
    EXPECT_EQ(state.CurrentPlayer, 0);
    EXPECT_FALSE(state.DiceRolled);
    EXPECT_FALSE(table.Timer1.enabled);
    EXPECT_FALSE(table.lblSecond.visible);
    EXPECT_TRUE(messages.shown.empty()) << ::testing::PrintToString(messages.texts());
}

TEST_F(ComputerSeat, AHandedCallReplacesWhateverTheTurnLeftInTheSharedCall) {
    playerHasCalled("55336", "55332");
    // What the computer's planning may leave behind is not what it hands over.
    state.CallDice = {1, 1, 1, 1, 1, 0};
    state.FixDice = {5, 5, 3, 3, 0};
    table.computerCalls({"22543", {6, 0, 0, 0, 0}, 1, {}});
    EXPECT_EQ(table.Text1.caption, "Ann Call: 55332\r\nAI Call: 6\r\n");
    EXPECT_EQ(table.Text2.caption, "Ann Fix: \r\nAI Fix: \r\n");
    EXPECT_EQ(dice(), "2 2 5 4 3");

    // The player does not trust it: the dice lack a six.
    messages.answer(MessageAnswer::Ok);
    messages.answer(MessageAnswer::Ok);
    messages.answer(MessageAnswer::Yes);
    table.XTrust.click();
    EXPECT_EQ(game.lastOutcome, (GameOutcome{Seat::Human, Seat::Human, "6", "22543"}));
}

TEST_F(ComputerSeat, ItsChallengeCountsTheGameAndEndsIt) {
    playerHasCalled("32425", "22");
    messages.answer(MessageAnswer::Ok);
    messages.answer(MessageAnswer::Ok);
    messages.answer(MessageAnswer::Yes);
    table.computerChallenges();
    EXPECT_EQ(messages.texts(),
              (std::vector<std::string>{"AI Not Trust Last Call\r\nCall : 22\r\nDice : 22543",
                                        "YOU WIN!!!", "Continue ? "}));
    EXPECT_EQ(table.Label2.caption + "/" + table.Label4.caption, "1/1");
    EXPECT_EQ(game.lastOutcome, (GameOutcome{Seat::Computer, Seat::Human, "22", "22543"}));
    EXPECT_EQ(state.LastCallLevel, 0) << "the next match has begun";
}

} // namespace
} // namespace quintel::testing
