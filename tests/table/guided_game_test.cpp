#include "testing/table_fixture.h"

#include "records/player_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quintel::testing {
namespace {

class GuidedFirstGame : public TableTest {
protected:
    std::vector<GuideStep> explained;

    // What the desktop does after every event: the guide follows the table.
    void follow() {
        table.followGuide();
        const auto step = game.guide.current();
        if (step && (explained.empty() || explained.back() != *step)) {
            explained.push_back(*step);
        }
    }
    void next() {
        game.guide.next();
        follow();
    }
    void click(Control& control) {
        control.click();
        follow();
    }
};

// The player reads every step, trusts the computer's call and calls again; the computer does not
// trust it. Each control is explained once, as it becomes live, and the game leaves the figures
// and the record as they were while its logs reach the history.
TEST_F(GuidedFirstGame, ExplainsEachControlOnceAsItBecomesLiveAndCountsNothing) {
    signIn();
    ASSERT_EQ(game.guide.state(), GuidedGame::State::Offered);
    const Profile profileBefore = game.profile;
    table.startGuidedGame();
    const std::string seededThrow = dice();
    EXPECT_EQ(game.guide.current(), GuideStep::Throw);
    explained.push_back(GuideStep::Throw);
    next();
    next();
    next();
    click(table.Call1);
    dialog.Option1[callGridIndex(2, 1)].click();
    computer.calls("66543", "66543");
    click(dialog.OK);
    next();
    next();
    click(table.Trust);
    compose("666");
    follow();
    computer.challenges();
    messages.answer(MessageAnswer::Ok);
    messages.answer(MessageAnswer::Ok);
    messages.answer(MessageAnswer::Yes);
    click(dialog.OK);
    EXPECT_EQ(game.guide.current(), GuideStep::Score);
    EXPECT_TRUE(game.guide.lastStep());
    next();

    using enum GuideStep;
    EXPECT_EQ(explained, (std::vector<GuideStep>{Throw, TurnMarker, Countdown, CallButton,
                                                 CallDialog, Answer, Logs, Coach, Keep, Score}));
    EXPECT_EQ(game.guide.state(), GuidedGame::State::Off);
    EXPECT_EQ(table.lblStatus.caption.find("Guided game"), std::string::npos);
    EXPECT_EQ(game.tally.played, 0);
    EXPECT_EQ(game.record.gamesKept(), 0);
    EXPECT_EQ(game.profile, profileBefore);
    EXPECT_NE(fileBytes(historyPath(folder.path(), "Ann", 0)).find("66543"), std::string::npos);

    // Asked for again, the guided game throws what it threw before.
    table.startGuidedGame();
    EXPECT_EQ(dice(), seededThrow);
    EXPECT_EQ(table.lblStatus.caption.rfind("Guided game: Your dice.\n", 0), 0U);
}

} // namespace
} // namespace quintel::testing
