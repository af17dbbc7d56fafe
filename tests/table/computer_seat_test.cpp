#include "testing/table_fixture.h"

#include <gtest/gtest.h>

namespace quintel::testing {
namespace {

// The table as it shows the computer's seat acting, driven by hand after the player's call.
class ComputerSeat : public TableTest {
protected:
    void playerHasCalled(std::string_view dice, std::string_view call) {
        signIn();
        game.computer = nullptr;
        setDice(dice);
        humanCalls(call);
        ASSERT_EQ(game.match.toMove(), Seat::Computer);
    }
};

TEST_F(ComputerSeat, AHandedCallIsRecordedAndAwaitsTheAnswerWithTheDiceHidden) {
    playerHasCalled("55336", "55332");
    computerHandsOver("66554", "6655", "66");

    EXPECT_EQ(dice(), "6 6 5 5 4");
    EXPECT_EQ(diceLook(), "HE HE HE HE HE");
    EXPECT_EQ(buttons(), "Call1 D, Change D, Roll H, XChange H, Trust E, XTrust E");
    EXPECT_EQ(table.Text1.caption, "Ann Call: 55332\r\nAI Call: 6655\r\n");
    EXPECT_EQ(table.Text2.caption, "Ann Fix: \r\nAI Fix: 66\r\n");
    EXPECT_EQ(lastCall(), "6655");
    EXPECT_EQ(game.match.fixed().digits(), "66");
    EXPECT_EQ(game.match.toMove(), Seat::Human);
    EXPECT_FALSE(game.match.threwThisTurn());
    EXPECT_FALSE(table.Timer1.enabled);
    EXPECT_FALSE(table.lblSecond.visible);
    EXPECT_TRUE(messages.shown.empty()) << ::testing::PrintToString(messages.texts());
}

TEST_F(ComputerSeat, AHandedCallIsDecidedOnTheDiceHandedOver) {
    playerHasCalled("55336", "2");
    computerHandsOver("22543", "6", "");
    EXPECT_EQ(table.Text1.caption, "Ann Call: 2\r\nAI Call: 6\r\n");
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
    table.act(match::Action::doubting());
    EXPECT_EQ(messages.texts(),
              (std::vector<std::string>{"AI Not Trust Last Call\r\nCall : 22\r\nDice : 22543",
                                        "YOU WIN!!!", "Continue ? "}));
    EXPECT_EQ(table.Label2.caption + "/" + table.Label4.caption, "1/1");
    EXPECT_EQ(game.lastOutcome, (GameOutcome{Seat::Computer, Seat::Human, "22", "22543"}));
    EXPECT_EQ(lastCall(), "") << "the next match has begun";
}

} // namespace
} // namespace quintel::testing
