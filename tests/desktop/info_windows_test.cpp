#include "desktop/help_page_view.h"
#include "desktop/info_windows.h"
#include "desktop/profile_chart_view.h"
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
    WindowsView windows{context.game, [] {}};
    InfoWindows info{context.game};

    InfoWindowsTest() {
        for (const auto& view : windows.views()) {
            info.attach(*view);
        }
        context.game.start();
        windows.refresh();
    }
    ScreenView& welcome() { return windows.viewOf(context.game.formWelcome); }
};

TEST_F(InfoWindowsTest, EachMenuEntryOpensOneNonModalWindowRaisedWhenAskedAgain) {
    welcome().menuAction("Rule")->trigger();
    QWidget* rules = info.rules();
    ASSERT_NE(rules, nullptr);
    EXPECT_TRUE(rules->isVisible());
    EXPECT_EQ(rules->windowModality(), Qt::NonModal);
    EXPECT_EQ(rules->windowTitle(), "Rules of Quintel");
    // From the table's menu too, the same window.
    windows.viewOf(context.game.formStart).menuAction("Rule")->trigger();
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
    ASSERT_EQ(help->actions().size(), 2);
    help->actions()[0]->trigger();
    ASSERT_NE(info.help(), nullptr);
    EXPECT_EQ(info.help()->windowTitle(), "Playing Quintel");

    help->actions()[1]->trigger();
    ProfileChartView* profile = info.profile();
    ASSERT_NE(profile, nullptr);
    EXPECT_EQ(profile->bars().chart().calls, 0);

    // A turn of the computer changes the counters inside the event that sent the call.
    context.game.state.ProfileCount[7] = 3;
    context.game.state.ProfileScore[7] = 1;
    emit welcome().handled();
    EXPECT_EQ(profile->bars().chart().calls, 3);
    EXPECT_FALSE(profile->summary().isEmpty());
}

TEST(ProfileBars, BarsRiseWithTheCallsAndTheShareLineSpansTheRightAxis) {
    ProfileChart chart;
    chart.bars[2] = {"0.2", 10, 1.0};
    chart.bars[5] = {"0.5", 4, 0.0};
    chart.calls = 14;
    ProfileBarsWidget bars;
    bars.resize(560, 320);
    bars.setChart(chart);

    const QRectF plot = bars.plotArea();
    EXPECT_GE(bars.callsAxisTop(), 10);
    EXPECT_GT(bars.barRect(2).height(), 2 * bars.barRect(5).height());
    EXPECT_EQ(bars.barRect(3).height(), 0);
    EXPECT_NEAR(bars.barRect(2).bottom(), plot.bottom(), 0.01);
    EXPECT_LT(bars.barRect(2).right(), bars.barRect(5).left());
    EXPECT_NEAR(bars.sharePoint(2)->y(), plot.top(), 0.01);
    EXPECT_NEAR(bars.sharePoint(5)->y(), plot.bottom(), 0.01);
    EXPECT_FALSE(bars.sharePoint(3).has_value());
}

TEST(HelpPage, ExampleHandsAreDrawnAsTheirDice) {
    const HandWidget hand("66331");
    EXPECT_EQ(hand.faces(), (QList<int>{6, 6, 3, 3, 1}));
    EXPECT_EQ(hand.accessibleName(), "66331");
}

} // namespace
} // namespace quintel::qttest
