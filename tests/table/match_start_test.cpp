#include "testing/table_fixture.h"

#include "records/player_files.h"

#include <gtest/gtest.h>

#include <map>

namespace quintel::testing {
namespace {

using TableStart = TableTest;

TEST_F(TableStart, FocusMovesThroughTheLogsTheButtonsThenTheDice) {
    signIn();
    std::map<int, std::string> byTabOrder;
    for (const Control* control : table.controls()) {
        if (control->tabOrder >= 0) {
            ASSERT_TRUE(byTabOrder.emplace(control->tabOrder, control->name).second);
        }
    }
    std::string order;
    for (const auto& [tab, name] : byTabOrder) {
        order += name + " ";
    }
    EXPECT_EQ(order, "Text1 Text2 Roll XChange Call1 Change_Dice XTrust Trust cmdExit Dice Dice "
                     "Dice Dice Dice cmdPlayAgain cmdStop ");
    EXPECT_EQ(table.controls().size(), 30U);
}

TEST_F(TableStart, SignInOpensTheTableWithTheHumanToThrow) {
    signIn(true, true);
    EXPECT_EQ(table.windowCaption, "Quintel — Classic");
    EXPECT_EQ(table.Label5.caption, "Fix Any + Fix Permanent");
    EXPECT_EQ(table.lblName[0].caption, "Ann");
    EXPECT_EQ(table.lblName[1].caption, "AI");
    EXPECT_EQ(table.lblName[2].caption, "");
    EXPECT_EQ(table.lblName[3].caption, "");
    EXPECT_TRUE(table.Picture1[0].visible);
    EXPECT_FALSE(table.Picture1[1].visible || table.Picture1[2].visible ||
                 table.Picture1[3].visible);
    EXPECT_EQ(game.match.toMove(), Seat::Human);
    EXPECT_EQ(buttons(), "Call1 E, Change D, Roll H, XChange H, Trust D, XTrust D");
    EXPECT_FALSE(table.cmdExit.enabled);
    EXPECT_EQ(diceLook(), "SE SE SE SE SE");
    for (const Control& die : table.Dice) {
        ASSERT_EQ(die.caption.size(), 1U);
        EXPECT_TRUE(isFaceDigit(die.caption[0])) << die.caption;
    }
    EXPECT_EQ(table.Label2.caption + table.Label3.caption + table.Label4.caption, "0/0");
    // The countdown label shows, without a figure until the first call.
    EXPECT_TRUE(table.lblSecond.visible);
    EXPECT_EQ(table.lblSecond.caption, "");
    EXPECT_TRUE(table.Timer1.enabled);
    EXPECT_EQ(table.Text1.caption + table.Text2.caption, "");
    EXPECT_EQ(lastCall(), "");
}

TEST_F(TableStart, TurnAlternatesBetweenTheSeatsAndTheMarkerFollows) {
    signIn();
    apply(match::Action::calling(call("2")));
    EXPECT_EQ(game.match.toMove(), Seat::Computer);
    EXPECT_FALSE(table.Picture1[0].visible);
    EXPECT_TRUE(table.Picture1[1].visible);
    apply(match::Action::trusting());
    apply(match::Action::calling(call("3")));
    EXPECT_EQ(game.match.toMove(), Seat::Human);
    EXPECT_TRUE(table.Picture1[0].visible);
    EXPECT_FALSE(table.Picture1[1].visible);
}

TEST_F(TableStart, FirstTurnModeBeyondOneDrawsTheStartingSeat) {
    signIn();
    game.firstTurnMode = 1;
    table.functStart();
    EXPECT_EQ(game.match.toMove(), Seat::Human);

    game.firstTurnMode = 2;
    // The computer's seat opens when it starts: its opening call is scripted.
    for (int i = 0; i < 60; ++i) {
        computer.calls("66543", "66543");
    }
    std::array<int, 2> starts{};
    for (int started = 0; started < 60; ++started) {
        table.functStart();
        const auto starter = static_cast<std::size_t>(game.match.starter());
        ++starts[starter];
        // A computer that starts has made its call: the player answers it.
        EXPECT_EQ(game.match.toMove(), Seat::Human);
        EXPECT_TRUE(table.Picture1[0].visible);
        EXPECT_FALSE(table.Picture1[1].visible);
        if (starter == 1) {
            EXPECT_EQ(buttons(), "Call1 D, Change D, Roll H, XChange H, Trust E, XTrust E");
        }
    }
    EXPECT_GT(starts[0], 10);
    EXPECT_GT(starts[1], 10);
}

TEST_F(TableStart, MatchStartClearsTheLastGameButKeepsFiguresAndOptions) {
    signIn(true, false);
    table.Label2.caption = "1";
    table.Label4.caption = "2";
    table.Text1.caption = "Ann Call: 2\r\n";
    table.Text2.caption = "Ann Fix: \r\n";
    apply(match::Action::calling(call("66")));
    setFixed("66");
    table.DiceMarked = {true, true, true, true, true, false};
    table.Dice[2].enabled = false;
    table.cmdExit.enabled = true;

    table.functStart();
    EXPECT_EQ(table.Text1.caption + table.Text2.caption, "");
    EXPECT_EQ(lastCall(), "");
    EXPECT_TRUE(game.match.fixed().empty());
    EXPECT_TRUE(game.match.calls().empty());
    EXPECT_EQ(table.DiceMarked, (std::array<bool, 6>{}));
    EXPECT_EQ(diceLook(), "SE SE SE SE SE");
    EXPECT_FALSE(table.cmdExit.enabled);
    EXPECT_EQ(table.Label2.caption + "/" + table.Label4.caption, "1/2");
    EXPECT_EQ(table.Label5.caption, "Fix Any");
}

TEST_F(TableStart, HandedOverDiceGoOnTheButtonsWhileTheyStayHidden) {
    signIn();
    game.computer = nullptr;
    humanCalls("2");
    computerHandsOver("66543", "66", "");
    table.Timer1.enabled = false;
    table.lblSecond.visible = false;
    table.functTurn();
    EXPECT_EQ(dice(), "6 6 5 4 3");
    EXPECT_EQ(diceLook(), "HE HE HE HE HE");
    EXPECT_TRUE(table.Trust.enabled && table.XTrust.enabled);
    EXPECT_TRUE(table.Timer1.enabled && table.lblSecond.visible);
}

TEST_F(TableStart, ClosingFromTheFrameBeforeAGameIsDecidedAsksFirstThenEndsWithoutAProfile) {
    signIn();
    table.Call1.click();
    ASSERT_TRUE(dialog.shown());
    table.closeFromFrame(); // unanswered, the question's safe answer is No
    ASSERT_EQ(messages.texts(),
              std::vector<std::string>{"Leave the game in progress? It will not be counted."});
    EXPECT_EQ(messages.shown.back().buttons, MessageButtons::YesNoDefaultNo);
    EXPECT_TRUE(table.shown() && dialog.shown());
    EXPECT_FALSE(game.quitRequested);

    messages.clear();
    messages.answer(MessageAnswer::Yes);
    table.closeFromFrame();
    messages.shown.clear();
    EXPECT_TRUE(game.quitRequested);
    EXPECT_FALSE(table.loaded());
    EXPECT_FALSE(dialog.loaded());
    EXPECT_FALSE(game.history.isOpen());
    EXPECT_FALSE(std::filesystem::exists(profilePath(folder.path(), "Ann")));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(TableStart, ExitClosesTheTableAsFromTheFrameAndNewRestartsIt) {
    signIn();
    table.cmdExit.caption = "New";
    table.Text1.caption = "Ann Call: 2\r\n";
    game.tally.played = 1;
    table.Label4.caption = "1";
    table.cmdExit.click();
    EXPECT_TRUE(table.shown());
    EXPECT_FALSE(game.quitRequested);
    EXPECT_EQ(table.Text1.caption, "");
    EXPECT_EQ(table.Label4.caption, "1");
    EXPECT_EQ(buttons(), "Call1 E, Change D, Roll H, XChange H, Trust D, XTrust D");

    table.cmdExit.caption = "Exit";
    table.cmdExit.click();
    EXPECT_TRUE(game.quitRequested);
    EXPECT_FALSE(table.loaded());
    EXPECT_FALSE(std::filesystem::exists(profilePath(folder.path(), "Ann")));
}

TEST_F(TableStart, CountdownTickCountsDownFromWhatTheLabelHolds) {
    signIn();
    table.Timer1_Timer();
    EXPECT_EQ(table.lblSecond.caption, "-1"); // an empty label counts as 0
    table.lblSecond.caption = "20";
    table.lblSecond.visible = false;
    table.Timer1_Timer();
    EXPECT_EQ(table.lblSecond.caption, "19");
    EXPECT_TRUE(table.lblSecond.visible);
}

} // namespace
} // namespace quintel::testing
