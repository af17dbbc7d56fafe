#include "testing/table_fixture.h"

#include "records/player_files.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>

namespace quintel::testing {
namespace {

// Closing the table from its frame, or with its Exit button, which does the same.
class Closing : public TableTest, public ::testing::WithParamInterface<bool> {
protected:
    void closeTable() {
        if (GetParam()) {
            // A game in progress is left only after the player says Yes; the question is not
            // what these tests look at.
            const bool inPlay = game.match.inPlay();
            const std::size_t shownBefore = messages.shown.size();
            if (inPlay) {
                messages.answer(MessageAnswer::Yes);
            }
            table.closeFromFrame();
            if (inPlay && messages.shown.size() == shownBefore + 1) {
                messages.shown.pop_back();
            }
        } else {
            table.cmdExit.caption = "Exit";
            table.cmdExit.click();
        }
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

// The ten lines a profile file holds.
std::string profileText(const Profile& profile) {
    std::string text;
    for (std::size_t i = 0; i < kProfileLines; ++i) {
        text +=
            std::to_string(profile.counts[i]) + "\t" + std::to_string(profile.scores[i]) + "\r\n";
    }
    return text;
}

int callsCounted(const Profile& profile) {
    return std::accumulate(profile.counts.begin(), profile.counts.end(), 0);
}

// The ten lines of a profile that holds only bucket 3.
std::string profileWithBucket3(int count, int score) {
    Profile profile;
    profile.counts[3] = count;
    profile.scores[3] = score;
    return profileText(profile);
}

TEST_P(Closing, SavesTheProfileAsItStoodAfterTheLastDecidedGameNotTheMatchInProgress) {
    signIn();
    decideByPlayerChallenge("66543", "66543");
    decideByPlayerChallenge("55432", "6");
    ASSERT_EQ(game.tally.played, 2);
    const Profile afterTwoGames = game.profile;
    ASSERT_EQ(callsCounted(afterTwoGames), 2);
    const std::string historyAfterTwoGames = historyBytes();

    reachAnswer("22543", "22"); // the third match: the player's call has been learnt again
    ASSERT_EQ(callsCounted(game.profile), 3);
    messages.clear();
    closeTable();

    EXPECT_TRUE(game.quitRequested);
    EXPECT_FALSE(table.loaded());
    EXPECT_EQ(profileBytes(), profileText(afterTwoGames));
    EXPECT_FALSE(game.history.isOpen());
    EXPECT_EQ(historyBytes(), historyAfterTwoGames) << "the match cut short is not logged";
    EXPECT_EQ(game.tally.played, 2) << "nor counted";
    EXPECT_TRUE(messages.shown.empty());
}

TEST_P(Closing, AGameTheComputerDecidesCountsLikeOneThePlayerDecides) {
    signIn();
    computer.challenges();
    messages.answer(MessageAnswer::Ok);
    messages.answer(MessageAnswer::Ok);
    messages.answer(MessageAnswer::Yes);
    humanCalls("2");
    ASSERT_EQ(game.tally.played, 1);
    const Profile afterTheGame = game.profile;
    ASSERT_EQ(callsCounted(afterTheGame), 1);
    closeTable();
    EXPECT_EQ(profileBytes(), profileText(afterTheGame));
}

TEST_P(Closing, BeforeAnyDecidedGameLeavesTheProfileFileAsItWas) {
    // Lines past the tenth are not read, so a rewrite would drop the last one.
    const std::string earlier = profileWithBucket3(7, 4) + "5\t5\r\n";
    {
        std::ofstream out(profilePath(folder.path(), "Ann"), std::ios::binary);
        out << earlier;
    }
    signIn();
    reachAnswer("66543", "66543");
    ASSERT_EQ(callsCounted(game.profile), 8);
    closeTable();
    EXPECT_TRUE(game.quitRequested);
    EXPECT_EQ(profileBytes(), earlier);
    EXPECT_FALSE(game.history.isOpen());
    EXPECT_TRUE(messages.shown.empty());
}

// A new sign-in starts the stay again: what an earlier stay saved is not saved a second time.
TEST_P(Closing, AfterStoppingAndSigningInAgainOnlyTheNewStayCounts) {
    signIn();
    reachAnswer("66543", "66543");
    messages.answer(MessageAnswer::Ok);
    messages.answer(MessageAnswer::Ok);
    messages.answer(MessageAnswer::No);
    messages.answer(MessageAnswer::Ok); // the tally
    table.XTrust.click();
    ASSERT_EQ(profileBytes(), profileText(game.profile));
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
