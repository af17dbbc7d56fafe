#include "desktop/guide_overlay.h"
#include "desktop/info_windows.h"
#include "desktop/windows.h"
#include "tests/desktop/fake_screen.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace quintel::qttest {
namespace {

class GuideOverlayTest : public ::testing::Test {
protected:
    GameContext context;
    Game& game = context.game;
    Windows windows{game, [] {}};
    InfoWindows info{game};
    GuideOverlay overlay{game, windows};

    GuideOverlayTest() {
        for (const auto& window : windows.all()) {
            info.attach(*window);
        }
        game.start();
        windows.refresh();
    }
    ScreenWindow& table() { return windows.windowOf(game.formStart); }

    void signIn(const char* name) {
        game.formWelcome.txtName.edited(name);
        game.formWelcome.btnOK.click();
        windows.refresh();
    }
    // The player calls, the computer's seat does not trust the call, and the player answers
    // `goOn` to "Continue ? ".
    void decideGame(MessageAnswer goOn) {
        context.messages.answer(MessageAnswer::Ok);
        context.messages.answer(MessageAnswer::Ok);
        context.messages.answer(goOn);
        game.match.apply(match::Action::calling(*match::Call::fromDigits("2")));
        game.formStart.act(match::Action::doubting());
        windows.refresh();
    }
    QAction* guideEntry() {
        for (QAction* action : table().menuAction("Help")->menu()->actions()) {
            if (action->text() == "Play a guided first game") {
                return action;
            }
        }
        return nullptr;
    }
    // The box keeps within the table's client area.
    void expectInside() {
        EXPECT_TRUE(table().clientArea()->rect().contains(overlay.geometry()))
            << "factor " << table().scaleFactor();
    }
};

// A new name is offered the guided game; Skip ends the guidance and the game plays on; a name that
// has played is not offered it again, but the table's Help menu offers it, and Esc on the box
// declines.
TEST_F(GuideOverlayTest, OfferedAtAFirstSignInSkippedAndOfferedAgainFromHelp) {
    signIn("Ann");
    ASSERT_TRUE(overlay.isVisible());
    EXPECT_EQ(overlay.title(), "Play a guided first game");
    for (double factor : {1.0, 1.5, 2.5}) {
        table().setScaleFactor(factor);
        expectInside();
    }
    QTest::mouseClick(overlay.playButton(), Qt::LeftButton);
    EXPECT_EQ(game.guide.current(), GuideStep::Throw);
    EXPECT_EQ(overlay.title(), "Your dice");
    EXPECT_TRUE(overlay.nextButton()->isVisible());
    expectInside();

    QTest::mouseClick(overlay.skipButton(), Qt::LeftButton);
    EXPECT_FALSE(overlay.isVisible());
    EXPECT_EQ(game.guide.state(), GuidedGame::State::Off);
    EXPECT_TRUE(game.match.inPlay());
    EXPECT_TRUE(game.formStart.Call1.enabled);

    // The guided game goes on uncounted; the next one counts.
    decideGame(MessageAnswer::Yes);
    EXPECT_EQ(game.tally.played, 0);
    decideGame(MessageAnswer::No);
    signIn("Ann");
    EXPECT_FALSE(overlay.isVisible()) << "Ann has signed in before";

    ASSERT_NE(guideEntry(), nullptr);
    guideEntry()->trigger();
    ASSERT_TRUE(overlay.isVisible());
    EXPECT_EQ(overlay.title(), "Play a guided first game");
    QTest::keyClick(&overlay, Qt::Key_Escape);
    EXPECT_FALSE(overlay.isVisible());
    EXPECT_EQ(game.guide.state(), GuidedGame::State::Off);
}

} // namespace
} // namespace quintel::qttest
