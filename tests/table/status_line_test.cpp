#include "model/hand_words.h"
#include "testing/table_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quintel::testing {
namespace {

using StatusLine = TableTest;

bool contains(const std::string& text, std::string_view part) {
    return text.find(part) != std::string::npos;
}

TEST_F(StatusLine, FollowsThePlayersTurnFromTheFirstThrowToTheCall) {
    signIn();
    std::string shown;
    for (int i = 0; i < 5; ++i) {
        shown += std::to_string(table.dieValue(i));
    }
    EXPECT_EQ(table.lblStatus.caption, "Your turn: your dice " + shown + ", " + handInWords(shown) +
                                           ". Make the first call (C).");
    EXPECT_EQ(table.statusLine(), &table.lblStatus);
    // Below the design area, which it leaves as it was.
    EXPECT_EQ(table.lblStatus.place.top, table.clientHeight);
    EXPECT_EQ(std::ranges::count(table.controls(), &table.lblStatus), 0);

    reachAnswer("55441", "5544", "55");
    EXPECT_EQ(table.lblStatus.caption,
              "AI (Classic) kept 55 and threw 3 dice; it calls 5544: two pairs, "
              "fives and fours. Trust it (T) or do not trust it (X).");

    table.Trust.click();
    EXPECT_EQ(table.lblStatus.caption,
              "You trusted 5544 and hold 55441, two pairs, fives and fours. Change dice (H) or "
              "call (C): your call must beat 5544.");

    // The call 5544 is among the dice: the ace must go, the others may.
    table.Change_Dice.click();
    EXPECT_TRUE(contains(table.lblStatus.caption, "(keys 1 to 5): 1 die marked"))
        << table.lblStatus.caption;
    table.Dice[0].click();
    EXPECT_TRUE(contains(table.lblStatus.caption, ": 2 dice marked")) << table.lblStatus.caption;
    table.XChange.click();
    EXPECT_EQ(table.lblStatus.caption.rfind("You trusted 5544 and hold 55441,", 0), 0U);

    table.Change_Dice.click();
    table.Roll.click();
    const std::string held = dice().substr(0, 1) + dice().substr(2, 1) + dice().substr(4, 1) +
                             dice().substr(6, 1) + dice().substr(8, 1);
    EXPECT_EQ(table.lblStatus.caption, "You threw 1 die and hold " + held + ", " +
                                           handInWords(held) +
                                           ". Call (C): your call must beat 5544.");
}

TEST_F(StatusLine, SaysWhenNothingBeatsTheComputersCall) {
    signIn();
    reachAnswer("11111", "11111", "1111");
    EXPECT_FALSE(table.Trust.enabled);
    EXPECT_EQ(table.lblStatus.caption, "AI (Classic) kept 1111 and threw 1 die; it calls 11111: "
                                       "five of a kind, aces. Nothing beats "
                                       "it: do not trust it (X).");
}

TEST_F(StatusLine, MarksTheComputersLogLinesAsNewsUntilThePlayerCalls) {
    signIn();
    EXPECT_EQ(table.Text1.highlightedLines + table.Text2.highlightedLines, 0);
    reachAnswer("66543", "66", "66");
    EXPECT_EQ(table.Text1.highlightedLines, 1);
    EXPECT_EQ(table.Text2.highlightedLines, 1);
    table.Trust.click();
    EXPECT_EQ(table.Text1.highlightedLines, 1) << "still news while the player answers";
    computer.calls("66543", "6665", "665");
    humanCalls("666");
    EXPECT_EQ(table.Text1.highlightedLines, 1) << "the computer's newest call";
    EXPECT_TRUE(table.Text1.caption.ends_with("AI Call: 6665\r\n"));

    messages.answer(MessageAnswer::Ok);
    messages.answer(MessageAnswer::Ok);
    messages.answer(MessageAnswer::Yes);
    table.XTrust.click();
    EXPECT_EQ(table.Text1.highlightedLines + table.Text2.highlightedLines, 0) << "a new match";
}

// The status line as the verdict is shown stays after the player stops (the default No).
class ChallengeStatus : public TableTest {
protected:
    std::string verdictStatus() {
        EXPECT_FALSE(table.shown()) << "the player answered No to continue";
        return table.lblStatus.caption;
    }
    std::string playerChallenges(std::string computerDice) {
        signIn();
        reachAnswer(std::move(computerDice), "5544", "55");
        table.XTrust.click();
        return verdictStatus();
    }
    std::string computerChallenges(std::string_view playerDice) {
        signIn();
        setDice(playerDice);
        computer.challenges();
        humanCalls("664");
        return verdictStatus();
    }
};

TEST_F(ChallengeStatus, ThePlayerLosesAgainstAHeldCall) {
    EXPECT_EQ(playerChallenges("55441"),
              "You did not trust 5544; the dice 55441 hold it: AI (Classic) wins.");
}

TEST_F(ChallengeStatus, ThePlayerWinsAgainstACallTheDiceDoNotHold) {
    // The dice are shown in canonical order, as the verdict message shows them.
    EXPECT_EQ(playerChallenges("55461"),
              "You did not trust 5544; the dice 55164 do not hold it: you win.");
}

TEST_F(ChallengeStatus, TheComputerLosesAgainstAHeldCall) {
    EXPECT_EQ(computerChallenges("66432"),
              "AI (Classic) did not trust your 664; the dice 66432 hold it: you win.");
}

TEST_F(ChallengeStatus, TheComputerWinsAgainstABluff) {
    EXPECT_EQ(
        computerChallenges("65432"),
        "AI (Classic) did not trust your 664; the dice 65432 do not hold it: AI (Classic) wins.");
}

TEST_F(ChallengeStatus, ReachesNeitherTheMessagesNorTheHistoryFile) {
    playerChallenges("55441");
    for (const std::string& text : messages.texts()) {
        EXPECT_FALSE(contains(text, "did not trust")) << text;
    }
    const std::string history = fileBytes(folder.path() / "Ann_0.txt");
    ASSERT_TRUE(contains(history, "AI Call: 5544")) << "the game's logs were written";
    EXPECT_FALSE(contains(history, "did not trust"));
    EXPECT_FALSE(contains(history, "Your turn"));
    EXPECT_FALSE(contains(history, "two pairs"));
}

} // namespace
} // namespace quintel::testing
