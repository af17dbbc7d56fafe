#include "testing/table_fixture.h"

#include "records/player_files.h"

#include <gtest/gtest.h>

#include <string>

namespace quintel::testing {
namespace {

// Closing the table from its frame, or with its Exit button, which does the same.
class Closing : public TableTest, public ::testing::WithParamInterface<bool> {
protected:
    void closeTable() {
        if (GetParam()) {
            table.closeFromFrame();
        } else {
            table.cmdExit.caption = "Exit";
            table.cmdExit.click();
        }
    }

    // Each computer turn counts one judged call in bucket 3 and, every second turn, a score.
    void computerLearns() {
        computer.learns = [](GameState& s) {
            ++s.ProfileCount[3];
            s.ProfileScore[3] = s.ProfileCount[3] / 2;
        };
    }

    void decideByPlayerChallenge(std::string dice, std::string call) {
        reachAnswer(std::move(dice), std::move(call));
        messages.answer(MessageAnswer::Ok); // the verdict
        messages.answer(MessageAnswer::Ok); // the result
        messages.answer(MessageAnswer::Yes);
        table.XTrust.click();
    }

    std::string profileBytes() const { return fileBytes(profilePath(folder.path(), "Ann")); }
    std::string historyBytes() const { return fileBytes(historyPath(folder.path(), "Ann", 0)); }
};

// The ten lines of a profile that holds only bucket 3.
std::string profileWithBucket3(int count, int score) {
    std::string text;
    for (int i = 0; i < 10; ++i) {
        text += i == 3 ? std::to_string(count) + "\t" + std::to_string(score) : "0\t0";
        text += "\r\n";
    }
    return text;
}

TEST_P(Closing, SavesTheProfileAsItStoodAfterTheLastDecidedGameNotTheMatchInProgress) {
    signIn();
    computerLearns();
    decideByPlayerChallenge("66543", "66543");
    decideByPlayerChallenge("55432", "6");
    ASSERT_EQ(state.GamesPlayed, 2);
    ASSERT_EQ(state.ProfileCount[3], 2);
    const std::string historyAfterTwoGames = historyBytes();

    reachAnswer("22543", "22"); // the third match: the computer's turn has learnt again
    ASSERT_EQ(state.ProfileCount[3], 3);
    messages.clear();
    closeTable();

    EXPECT_TRUE(game.quitRequested);
    EXPECT_FALSE(table.loaded());
    EXPECT_EQ(profileBytes(), profileWithBucket3(2, 1));
    EXPECT_FALSE(game.history.isOpen());
    EXPECT_EQ(historyBytes(), historyAfterTwoGames) << "the match cut short is not logged";
    EXPECT_EQ(state.GamesPlayed, 2) << "nor counted";
    EXPECT_TRUE(messages.shown.empty());
}

TEST_P(Closing, AGameTheComputerDecidesCountsLikeOneThePlayerDecides) {
    signIn();
    computerLearns();
    computer.challenges();
    messages.answer(MessageAnswer::Ok);
    messages.answer(MessageAnswer::Ok);
    messages.answer(MessageAnswer::Yes);
    humanCalls("2");
    ASSERT_EQ(state.GamesPlayed, 1);
    closeTable();
    EXPECT_EQ(profileBytes(), profileWithBucket3(1, 0));
}

TEST_P(Closing, BeforeAnyDecidedGameLeavesTheProfileFileAsItWas) {
    // Lines past the tenth are not read, so a rewrite would drop the last one.
    const std::string earlier = profileWithBucket3(7, 4) + "5\t5\r\n";
    {
        std::ofstream out(profilePath(folder.path(), "Ann"), std::ios::binary);
        out << earlier;
    }
    signIn();
    computerLearns();
    reachAnswer("66543", "66543");
    ASSERT_EQ(state.ProfileCount[3], 8);
    closeTable();
    EXPECT_TRUE(game.quitRequested);
    EXPECT_EQ(profileBytes(), earlier);
    EXPECT_FALSE(game.history.isOpen());
    EXPECT_TRUE(messages.shown.empty());
}

// A new sign-in starts the stay again: what an earlier stay saved is not saved a second time.
TEST_P(Closing, AfterStoppingAndSigningInAgainOnlyTheNewStayCounts) {
    signIn();
    computerLearns();
    reachAnswer("66543", "66543");
    messages.answer(MessageAnswer::Ok);
    messages.answer(MessageAnswer::Ok);
    messages.answer(MessageAnswer::No);
    messages.answer(MessageAnswer::Ok); // the tally
    table.XTrust.click();
    ASSERT_EQ(profileBytes(), profileWithBucket3(1, 0));
    std::filesystem::remove(profilePath(folder.path(), "Ann"));

    signIn();
    reachAnswer("66543", "66543");
    closeTable();
    EXPECT_FALSE(std::filesystem::exists(profilePath(folder.path(), "Ann")));
}

INSTANTIATE_TEST_SUITE_P(FrameOrExit, Closing, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& param) {
                             return param.param ? "FromTheFrame" : "WithExit";
                         });

} // namespace
} // namespace quintel::testing
