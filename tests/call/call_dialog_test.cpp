#include "testing/table_fixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace quintel::testing {
namespace {

using CallDialog = TableTest;
using Texts = std::vector<std::string>;

std::string preview(const FormCall& dialog) {
    std::string shown;
    for (const Control& label : dialog.lblDice) {
        shown += "[" + label.caption + "]";
    }
    return shown;
}

TEST_F(CallDialog, OpensAsAFreshGridInsideItsFrames) {
    signIn();
    table.Call1.click();
    ASSERT_TRUE(dialog.shown());
    EXPECT_EQ(dialog.windowCaption, "Call");
    EXPECT_EQ(dialog.OK.tabOrder, 0);
    for (const Control* control : dialog.controls()) {
        if (control->tabOrder >= 0 && control != &dialog.OK) {
            EXPECT_GT(control->tabOrder, 0) << control->name << control->index;
        }
    }
    for (int face = 1; face <= 6; ++face) {
        for (int count = 0; count < 6; ++count) {
            const Control& button = gridOption(dialog, face, count);
            EXPECT_EQ(button.value, count == 0);
            EXPECT_EQ(button.container, &dialog.Frame1[static_cast<std::size_t>(face - 1)]);
        }
    }
    EXPECT_EQ(preview(dialog), "[][][][][]");

    // Pressing Call again leaves the open dialog as it is; once closed it opens afresh.
    gridOption(dialog, 4, 2).click();
    table.Call1.click();
    EXPECT_TRUE(gridOption(dialog, 4, 2).value);
    dialog.Cancel.click();
    EXPECT_FALSE(dialog.loaded());
    table.Call1.click();
    EXPECT_TRUE(gridOption(dialog, 4, 0).value);
    EXPECT_EQ(preview(dialog), "[][][][][]");
}

TEST_F(CallDialog, EachClickSelectsInItsRowOnlyAndPreviewsTheCall) {
    signIn();
    compose("335");
    EXPECT_EQ(preview(dialog), "[3][3][5][][]");
    gridOption(dialog, 3, 1).click();
    EXPECT_FALSE(gridOption(dialog, 3, 2).value);
    EXPECT_TRUE(gridOption(dialog, 3, 1).value);
    EXPECT_TRUE(gridOption(dialog, 5, 1).value);
    EXPECT_EQ(preview(dialog), "[3][5][][][]");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(CallDialog, ASecondPressOfCallBringsTheSameDialogToTheFront) {
    signIn();
    EXPECT_TRUE(table.takeFrontRequest()) << "the table opens in front";
    EXPECT_FALSE(dialog.takeFrontRequest());
    compose("335");
    EXPECT_TRUE(dialog.takeFrontRequest());
    EXPECT_FALSE(dialog.takeFrontRequest()) << "asked once, answered once";
    EXPECT_FALSE(table.takeFrontRequest()) << "the table itself stays where it is";

    ASSERT_TRUE(table.pressKey("C"));
    EXPECT_TRUE(dialog.takeFrontRequest());
    EXPECT_EQ(preview(dialog), "[3][3][5][][]");
    EXPECT_TRUE(gridOption(dialog, 3, 2).value);

    table.Call1.click();
    dialog.Cancel.click();
    EXPECT_FALSE(dialog.takeFrontRequest()) << "a closed dialog has no window to bring up";
}

TEST_F(CallDialog, RefusesEmptyAndOverfullCompositions) {
    signIn();
    table.Call1.click();
    dialog.OK.click();
    EXPECT_EQ(messages.texts(), Texts{"Invalid Input : Please least input 1 dice"});
    EXPECT_EQ(dialog.lblStatus.caption, "No dice chosen yet: pick how many dice of each face you "
                                        "call, one to five dice in all.");

    gridOption(dialog, 2, 3).click();
    EXPECT_EQ(preview(dialog), "[2][2][2][][]");
    gridOption(dialog, 5, 3).click();
    EXPECT_EQ(messages.texts().back(), "Invalid Input : Too Many Dice (<= 5)");
    EXPECT_EQ(dialog.lblStatus.caption,
              "You chose 6 dice: a call names five dice at most. Take some away.");
    EXPECT_EQ(preview(dialog), "[][][][][]");
    dialog.OK.click();
    EXPECT_EQ(messages.texts().back(), "Invalid Input : Too Many Dice (<= 5)");
    gridOption(dialog, 2, 0).click();
    gridOption(dialog, 5, 0).click();
    EXPECT_EQ(messages.texts().back(), "Invalid Input : Please least input 1 dice");
    EXPECT_EQ(messages.shown.size(), 4U);
    EXPECT_EQ(messages.shown.back().buttons, MessageButtons::Ok);

    EXPECT_TRUE(dialog.shown());
    EXPECT_EQ(table.Text1.caption, "");
    EXPECT_EQ(game.match.toMove(), Seat::Human);
}

TEST_F(CallDialog, HandsTheCallOverInCanonicalOrder) {
    signIn();
    setDice("43261");
    computer.calls("66543", "66");
    compose("255");
    EXPECT_EQ(preview(dialog), "[2][5][5][][]");
    dialog.OK.click();
    EXPECT_EQ(lastCall(), "66");
    ASSERT_EQ(computer.seen.size(), 1U);
    EXPECT_EQ(computer.seen[0].lastCall->digits(), "552");
    EXPECT_EQ(game.match.calls().front().dice.digits(), "43261");
    EXPECT_EQ(table.Text1.caption, "Ann Call: 552\r\nAI Call: 66\r\n");
    EXPECT_FALSE(dialog.loaded());
}

TEST_F(CallDialog, AcceptedCallPutsTheDiceAwayAndStopsTheCountdown) {
    signIn();
    table.Dice[2].caption = "4X";
    table.DiceMarked[2] = true;
    game.computer = nullptr; // the computer's seat is left to the test
    humanCalls("66");
    EXPECT_EQ(dialog.CallDice, (std::array<int, 5>{6, 6, 0, 0, 0}));
    EXPECT_EQ(lastCall(), "66");
    EXPECT_EQ(game.match.toMove(), Seat::Computer);
    EXPECT_EQ(buttons(), "Call1 D, Change D, Roll H, XChange H, Trust D, XTrust D");
    EXPECT_EQ(diceLook(), "HE HE HE HE HE");
    EXPECT_EQ(table.DiceMarked, (std::array<bool, 6>{}));
    EXPECT_FALSE(table.Timer1.enabled);
    EXPECT_FALSE(table.lblSecond.visible);
    EXPECT_EQ(table.lblSecond.caption, "20");
}

TEST_F(CallDialog, RefusesACallThatDoesNotBeatTheLastAndKeepsTheGrid) {
    signIn();
    reachAnswer("66543", "66");
    table.Trust.click();
    messages.clear();
    compose("66");
    dialog.OK.click();
    EXPECT_EQ(messages.texts(), Texts{"Incorrect Input"});
    EXPECT_TRUE(dialog.shown());
    EXPECT_TRUE(gridOption(dialog, 6, 2).value);
    EXPECT_EQ(preview(dialog), "[6][6][][][]");
    EXPECT_EQ(table.Text1.caption, "Ann Call: 2\r\nAI Call: 66\r\n");
    EXPECT_EQ(game.match.toMove(), Seat::Human);
    EXPECT_TRUE(table.Call1.enabled);

    computer.calls("11111", "11111");
    gridOption(dialog, 1, 1).click();
    dialog.OK.click();
    EXPECT_EQ(messages.shown.size(), 1U);
    EXPECT_EQ(table.Text1.caption,
              "Ann Call: 2\r\nAI Call: 66\r\nAnn Call: 661\r\nAI Call: 11111\r\n");
}

TEST_F(CallDialog, FixedDiceAreHandedOverOnlyAfterAThrow) {
    signIn();
    reachAnswer("66543", "66", "66");
    table.Trust.click();
    computer.calls("11111", "11111");
    humanCalls("666");
    ASSERT_EQ(computer.seen.size(), 2U);
    EXPECT_FALSE(computer.seen[1].callerThrew);
    EXPECT_EQ(table.Text2.caption, "Ann Fix: \r\nAI Fix: 66\r\nAnn Fix: 66\r\nAI Fix: \r\n");

    table.functStart();
    reachAnswer("66543", "66");
    table.Trust.click();
    table.Change_Dice.click();
    table.Roll.click();
    computer.calls("11111", "11111");
    humanCalls("666");
    EXPECT_TRUE(computer.seen.back().callerThrew);
    EXPECT_EQ(computer.seen.back().callerFixed.digits(), "66");
}

TEST_F(CallDialog, CancelDiscardsTheComposition) {
    signIn();
    compose("11");
    dialog.Cancel.click();
    EXPECT_FALSE(dialog.loaded());
    EXPECT_TRUE(game.match.calls().empty());
    EXPECT_EQ(lastCall(), "");
    EXPECT_EQ(table.Text1.caption, "");
    EXPECT_EQ(buttons(), "Call1 E, Change D, Roll H, XChange H, Trust D, XTrust D");
}

} // namespace
} // namespace quintel::testing
