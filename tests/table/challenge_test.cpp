#include "testing/table_fixture.h"

#include "model/counters.h"
#include "records/player_files.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

namespace quintel::testing {
namespace {

using Challenge = TableTest;
using Texts = std::vector<std::string>;

void answerGameEnd(ScriptedMessageBoxes& messages, MessageAnswer goOn) {
    messages.answer(MessageAnswer::Ok); // the verdict
    messages.answer(MessageAnswer::Ok); // the result
    messages.answer(goOn);
}

TEST_F(Challenge, TheChallengerWinsExactlyWhenTheDiceLackADieOfTheCall) {
    struct Case {
        std::string dice, call;
        bool challengerWins;
    };
    const std::vector<Case> cases{
        {"66543", "66543", false}, {"55432", "6", true},     {"66651", "665", false},
        {"66666", "55", true},     {"65432", "66", true},    {"66543", "66", false},
        {"22543", "2254", false},  {"11223", "22211", true},
    };
    signIn();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.call + " against " + c.dice);
        table.functStart();
        reachAnswer(c.dice, c.call);
        messages.clear();
        apply(match::Action::doubting());
        ASSERT_TRUE(game.match.outcome());
        EXPECT_EQ(game.match.outcome()->winner == Seat::Human, c.challengerWins);
        EXPECT_EQ(table.functXTrust(), c.challengerWins);
    }
}

TEST_F(Challenge, RevealsTheDiceAndTellsCallAndDiceInThreeLines) {
    signIn();
    reachAnswer("66651", "665");
    messages.clear();
    apply(match::Action::doubting());
    ASSERT_FALSE(messages.texts().empty());
    EXPECT_EQ(messages.texts()[0], "You Not Trust Last Call\r\nCall : 665\r\nDice : 66615");
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(diceLook(), "SE SE SE SE SE");
    EXPECT_EQ(table.DiceSelectable, (std::array<bool, 6>{}));
    EXPECT_EQ(buttons(), "Call1 D, Change D, Roll H, XChange H, Trust D, XTrust D");
    EXPECT_TRUE(table.cmdExit.enabled);
    EXPECT_EQ(table.cmdExit.caption, "New");
}

TEST_F(Challenge, PlayerWhoDoesNotTrustAHeldCallLosesAndPlaysOn) {
    signIn();
    reachAnswer("66543", "66543");
    answerGameEnd(messages, MessageAnswer::Yes);
    table.XTrust.click();
    EXPECT_EQ(messages.texts(), (Texts{"You Not Trust Last Call\r\nCall : 66543\r\nDice : 66543",
                                       "YOU Lose!!", "Continue ? "}));
    EXPECT_EQ(messages.shown[1].buttons, MessageButtons::Ok);
    EXPECT_EQ(messages.shown[2].buttons, MessageButtons::YesNo);
    EXPECT_EQ(game.tally.played, 1);
    EXPECT_EQ(game.tally.won, 0);
    EXPECT_EQ(table.Label2.caption + "/" + table.Label4.caption, "0/1");

    // The next match on the same table: fresh dice and logs, figures kept, "20" on the countdown.
    EXPECT_TRUE(table.shown());
    EXPECT_EQ(buttons(), "Call1 E, Change D, Roll H, XChange H, Trust D, XTrust D");
    EXPECT_EQ(diceLook(), "SE SE SE SE SE");
    EXPECT_EQ(table.Text1.caption + table.Text2.caption, "");
    EXPECT_FALSE(table.cmdExit.enabled);
    EXPECT_EQ(lastCall(), "");
    EXPECT_TRUE(table.lblSecond.visible);
    EXPECT_EQ(table.lblSecond.caption, "20");
}

TEST_F(Challenge, PlayerWhoDoesNotTrustAnEmptyCallWins) {
    signIn();
    reachAnswer("55432", "6");
    answerGameEnd(messages, MessageAnswer::Yes);
    table.XTrust.click();
    EXPECT_EQ(messages.texts(), (Texts{"You Not Trust Last Call\r\nCall : 6\r\nDice : 55432",
                                       "YOU Win!!!", "Continue ? "}));
    EXPECT_EQ(table.Label2.caption + "/" + table.Label4.caption, "1/1");
}

TEST_F(Challenge, ComputersChallengeOfAHeldCallIsWonByThePlayer) {
    signIn();
    setDice("32425");
    computer.challenges();
    answerGameEnd(messages, MessageAnswer::Yes);
    humanCalls("22");
    EXPECT_EQ(messages.texts(), (Texts{"AI Not Trust Last Call\r\nCall : 22\r\nDice : 22543",
                                       "YOU WIN!!!", "Continue ? "}));
    EXPECT_EQ(table.Label2.caption + "/" + table.Label4.caption, "1/1");
    // The call step finishes after the next match has started: its countdown stays hidden.
    EXPECT_FALSE(dialog.loaded());
    EXPECT_EQ(buttons(), "Call1 E, Change D, Roll H, XChange H, Trust D, XTrust D");
    EXPECT_EQ(diceLook(), "SE SE SE SE SE");
    EXPECT_FALSE(table.lblSecond.visible);
    EXPECT_FALSE(table.Timer1.enabled);
    EXPECT_EQ(table.Text1.caption, "");
}

TEST_F(Challenge, ComputersChallengeOfAnEmptyCallIsLostByThePlayer) {
    signIn();
    setDice("32425");
    computer.challenges();
    answerGameEnd(messages, MessageAnswer::Yes);
    humanCalls("66");
    EXPECT_EQ(messages.texts(), (Texts{"AI Not Trust Last Call\r\nCall : 66\r\nDice : 22543",
                                       "YOU Lose!!", "Continue ? "}));
    EXPECT_EQ(table.Label2.caption + "/" + table.Label4.caption, "0/1");
}

std::string described(const std::optional<GameOutcome>& outcome) {
    if (!outcome) {
        return "none";
    }
    const auto name = [](Seat seat) { return seat == Seat::Human ? "player" : "computer"; };
    return std::string(name(outcome->challenger)) + " challenged " + outcome->call + " on " +
           outcome->dice + ", " + name(outcome->winner) + " won";
}

// Each way a game ends leaves its outcome on the game, and the message the player read is the
// one the outcome names.
TEST_F(Challenge, TheGameKeepsWhoChallengedWhoWonAndOnWhatDice) {
    signIn();
    EXPECT_EQ(described(game.lastOutcome), "none");
    const auto playerChallenges = [this](std::string dice, std::string call) {
        reachAnswer(std::move(dice), std::move(call));
        table.XTrust.click();
    };
    const auto computerChallenges = [this](std::string_view call) {
        setDice("32425");
        computer.challenges();
        humanCalls(call);
    };
    struct Case {
        std::function<void()> play;
        std::string outcome;
        bool held;
        std::string_view result;
    };
    const std::vector<Case> cases{
        {[&] { playerChallenges("55432", "6"); }, "player challenged 6 on 55432, player won", false,
         "YOU Win!!!"},
        {[&] { playerChallenges("66543", "66543"); },
         "player challenged 66543 on 66543, computer won", true, "YOU Lose!!"},
        {[&] { computerChallenges("22"); }, "computer challenged 22 on 22543, player won", true,
         "YOU WIN!!!"},
        {[&] { computerChallenges("66"); }, "computer challenged 66 on 22543, computer won", false,
         "YOU Lose!!"},
    };
    for (const Case& c : cases) {
        messages.clear();
        answerGameEnd(messages, MessageAnswer::Yes);
        c.play();
        ASSERT_TRUE(game.lastOutcome.has_value()) << c.outcome;
        EXPECT_EQ(described(game.lastOutcome), c.outcome);
        EXPECT_EQ(game.lastOutcome->callHeld(), c.held) << c.outcome;
        EXPECT_EQ(messages.texts().at(1), c.result) << c.outcome;
        EXPECT_EQ(resultText(*game.lastOutcome), c.result) << c.outcome;
    }
    // The outcome outlasts the start of the next match.
    EXPECT_TRUE(table.shown());
    EXPECT_EQ(described(game.lastOutcome), cases.back().outcome);
}

// Two games won out of three, then the player stops: the tally, the files, the welcome screen.
TEST_F(Challenge, StoppingShowsTheTallyClosesTheTableAndStartsAgainFromNothing) {
    signIn(true, false);
    reachAnswer("55432", "6");
    answerGameEnd(messages, MessageAnswer::Yes);
    table.XTrust.click();

    reachAnswer("66543", "66");
    answerGameEnd(messages, MessageAnswer::Yes);
    table.XTrust.click();

    setDice("32425");
    computer.challenges();
    answerGameEnd(messages, MessageAnswer::No);
    messages.answer(MessageAnswer::Ok);
    humanCalls("22");

    ASSERT_EQ(messages.shown.size(), 10U);
    EXPECT_EQ(messages.shown.back().text, "Play  3 , Win  2");
    EXPECT_EQ(messages.shown.back().buttons, MessageButtons::Ok);
    EXPECT_FALSE(table.loaded());
    EXPECT_FALSE(dialog.loaded());
    EXPECT_TRUE(game.formWelcome.shown());
    EXPECT_FALSE(game.quitRequested);
    EXPECT_FALSE(game.history.isOpen());
    EXPECT_EQ(game.tally.played, 0);
    EXPECT_EQ(game.tally.won, 0);
    EXPECT_TRUE(std::filesystem::exists(profilePath(folder.path(), "Ann")));

    const std::string stay = fileBytes(game.history.path());
    EXPECT_EQ(stay, "Ann HISTORY\r\nFix Any\r\n\r\n"
                    "Ann Call: 2\r\nAI Call: 6\r\n\r\nAnn Fix: \r\nAI Fix: \r\n\r\n"
                    "Ann Call: 2\r\nAI Call: 66\r\n\r\nAnn Fix: \r\nAI Fix: \r\n\r\n"
                    "Ann Call: 22\r\n\r\nAnn Fix: \r\n\r\n");

    messages.clear();
    game.formWelcome.txtName.edited("Bo");
    game.formWelcome.btnOK.click();
    ASSERT_TRUE(table.shown());
    EXPECT_EQ(table.Label2.caption + "/" + table.Label4.caption, "0/0");
    EXPECT_EQ(table.lblName[0].caption, "Bo");
    EXPECT_EQ(table.cmdExit.caption, "Exit");
}

// The same two games, with the end told in message boxes or in the status line: the history is
// the same, and the status line's bar plays again (Return) or stops (Esc).
TEST_F(Challenge, TheEndOfAGameInTheStatusLineAsksNothingAndKeepsTheHistory) {
    const auto playTwo = [this](bool inStatusLine) {
        table.endInStatusLine = inStatusLine;
        signIn();
        reachAnswer("66543", "66");
        if (!inStatusLine) {
            answerGameEnd(messages, MessageAnswer::Yes);
        }
        table.XTrust.click();
        if (inStatusLine) {
            EXPECT_TRUE(messages.shown.empty()) << ::testing::PrintToString(messages.texts());
            EXPECT_EQ(table.lblStatus.caption,
                      "You did not trust 66; the dice 66543 hold it: AI (Classic) wins. YOU "
                      "Lose!! Play again (Return) or stop (Esc).");
            EXPECT_TRUE(table.cmdPlayAgain.visible && table.cmdStop.visible);
            EXPECT_TRUE(table.pressKey("Return"));
            EXPECT_FALSE(table.cmdPlayAgain.visible || table.cmdStop.visible);
        }
        reachAnswer("55432", "6");
        if (!inStatusLine) {
            answerGameEnd(messages, MessageAnswer::No);
        }
        messages.answer(MessageAnswer::Ok); // the tally
        table.XTrust.click();
        if (inStatusLine) {
            EXPECT_TRUE(table.pressKey("Esc"));
        }
        EXPECT_EQ(messages.texts().back(), "Play  2 , Win  1");
        EXPECT_TRUE(game.formWelcome.shown());
        return fileBytes(game.history.path());
    };
    const std::string withBoxes = playTwo(false);
    messages.clear();
    EXPECT_EQ(playTwo(true), withBoxes);
}

TEST_F(Challenge, LogsReachTheHistoryBeforeTheNextMatchEmptiesThem) {
    signIn();
    table.Text1.edited("typed by the player");
    reachAnswer("66543", "66");
    answerGameEnd(messages, MessageAnswer::Yes);
    table.XTrust.click();
    game.history.close();
    EXPECT_EQ(fileBytes(game.history.path()),
              "Ann HISTORY\r\n\r\n\r\n"
              "typed by the playerAnn Call: 2\r\nAI Call: 66\r\n\r\nAnn Fix: \r\nAI Fix: \r\n\r\n");
    EXPECT_EQ(table.Text1.caption, "");
}

TEST_F(Challenge, CountersStopAtTheLargestValueTheFilesHold) {
    signIn();
    game.tally = {.played = kCounterMax, .won = kCounterMax};
    reachAnswer("55432", "6");
    answerGameEnd(messages, MessageAnswer::Yes);
    table.XTrust.click();
    EXPECT_EQ(table.Label2.caption + "/" + table.Label4.caption, "32767/32767");
}

} // namespace
} // namespace quintel::testing
