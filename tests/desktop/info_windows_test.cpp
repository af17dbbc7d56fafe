#include "desktop/info_windows.h"
#include "desktop/profile_chart_window.h"
#include "desktop/statistics_window.h"
#include "desktop/windows.h"
#include "tests/desktop/fake_screen.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

namespace quintel::qttest {
namespace {

class InfoWindowsTest : public ::testing::Test {
protected:
    GameContext context;
    Windows windows{context.game, [] {}};
    InfoWindows info{context.game};

    InfoWindowsTest() {
        for (const auto& window : windows.all()) {
            info.attach(*window);
        }
        context.game.start();
        windows.refresh();
    }
    ScreenWindow& welcome() { return windows.windowOf(context.game.formWelcome); }
};

TEST_F(InfoWindowsTest, EachMenuEntryOpensOneNonModalWindowRaisedWhenAskedAgain) {
    welcome().menuAction("Rule")->trigger();
    QWidget* rules = info.rules();
    ASSERT_NE(rules, nullptr);
    EXPECT_TRUE(rules->isVisible());
    EXPECT_EQ(rules->windowModality(), Qt::NonModal);
    EXPECT_EQ(rules->windowTitle(), "Rules of Quintel");
    // From the table's menu too, the same window.
    windows.windowOf(context.game.formStart).menuAction("Rule")->trigger();
    EXPECT_EQ(info.rules(), rules);

    welcome().menuAction("About")->trigger();
    ASSERT_NE(info.about(), nullptr);
    EXPECT_EQ(info.about()->windowTitle(), "About Quintel");
}

TEST_F(InfoWindowsTest, HelpIsAMenuOfTheHelpPageAndTheProfileWhichFollowsTheCounters) {
    QStringList bar;
    for (QAction* action : welcome().menuBar()->actions()) {
        bar << action->text();
    }
    EXPECT_EQ(bar, (QStringList{"Help", "Rule", "About"}));
    QMenu* help = welcome().menuAction("Help")->menu();
    ASSERT_NE(help, nullptr);
    ASSERT_EQ(help->actions().size(), 3);
    help->actions()[0]->trigger();
    ASSERT_NE(info.help(), nullptr);
    EXPECT_EQ(info.help()->windowTitle(), "Playing Quintel");

    help->actions()[1]->trigger();
    ProfileChartWindow* profile = info.profile();
    ASSERT_NE(profile, nullptr);
    EXPECT_EQ(profile->bars().chart().calls, 0);
    EXPECT_EQ(profile->windowTitle(), "Your profile") << "no player signed in yet";

    // A turn of the computer changes the counters inside the event that sent the call.
    context.game.profile.counts[7] = 3;
    context.game.profile.scores[7] = 1;
    emit welcome().handled();
    EXPECT_EQ(profile->bars().chart().calls, 3);
    EXPECT_FALSE(profile->summary().isEmpty());
}

TEST_F(InfoWindowsTest, TheProfileIsTitledWithThePlayerItBelongsTo) {
    Game& game = context.game;
    game.formWelcome.txtName.edited("Ann");
    game.formWelcome.btnOK.click();
    windows.refresh();
    welcome().menuAction("Help")->menu()->actions()[1]->trigger();
    ASSERT_NE(info.profile(), nullptr);
    EXPECT_EQ(info.profile()->windowTitle(), "Profile of Ann");
}

TEST_F(InfoWindowsTest, StatisticsAreEveryonesUntilAPlayerSignsInThenThatPlayers) {
    QMenu* help = welcome().menuAction("Help")->menu();
    ASSERT_EQ(help->actions()[2]->text(), "Statistics");
    help->actions()[2]->trigger();
    StatisticsWindow* statistics = info.statistics();
    ASSERT_NE(statistics, nullptr);
    EXPECT_TRUE(statistics->isVisible());
    EXPECT_EQ(statistics->windowTitle(), "Statistics");

    Game& game = context.game;
    game.formWelcome.txtName.edited("Ann");
    game.formWelcome.btnOK.click();
    windows.refresh();
    windows.windowOf(game.formStart).menuAction("Help")->menu()->actions()[2]->trigger();
    EXPECT_EQ(info.statistics(), statistics) << "one window, shown again";
    EXPECT_EQ(statistics->windowTitle(), "Statistics of Ann");
    EXPECT_EQ(statistics->statistics().all.games, 0);

    // A game decided while they are open: they follow once the event has been handled.
    game.record.matchStarted();
    game.record.diceThrown(Seat::Human, "12345");
    game.record.callMade(Seat::Human, "2", "");
    GameRecord decided;
    decided.player = "Ann";
    decided.outcome = {Seat::Computer, Seat::Computer, "2", "12345"};
    game.record.gameDecided(decided);
    emit welcome().handled();
    EXPECT_EQ(statistics->statistics().all, (WinTally{1, 0}));
    EXPECT_EQ(statistics->statistics().diceThisStay.check.dice, 5);
}

} // namespace
} // namespace quintel::qttest
