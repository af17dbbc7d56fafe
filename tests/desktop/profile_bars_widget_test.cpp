#include "desktop/profile_bars_widget.h"

#include <QChart>
#include <QCoreApplication>

#include <gtest/gtest.h>

namespace quintel::qttest {
namespace {

TEST(ProfileBars, BarsRiseWithTheCallsAndTheShareLineSpansTheRightAxis) {
    ProfileChart chart;
    chart.bars[2] = {"0.2", 10, 1.0};
    chart.bars[5] = {"0.5", 4, 0.0};
    chart.calls = 14;
    chart.summary = "Most of your calls claimed no less than your dice.";
    ProfileBarsWidget bars;
    bars.resize(560, 320);
    bars.setChart(chart);
    // The chart lays itself out once it is shown.
    bars.show();
    QCoreApplication::processEvents();

    const QRectF plot = bars.plotArea();
    EXPECT_GE(bars.callsAxisTop(), 10);
    EXPECT_GT(bars.barRect(2).height(), 2 * bars.barRect(5).height());
    EXPECT_EQ(bars.barRect(3).height(), 0);
    EXPECT_NEAR(bars.barRect(2).bottom(), plot.bottom(), 0.01);
    EXPECT_LT(bars.barRect(2).right(), bars.barRect(5).left());
    EXPECT_NEAR(bars.sharePoint(2)->y(), plot.top(), 0.01);
    EXPECT_NEAR(bars.sharePoint(5)->y(), plot.bottom(), 0.01);
    EXPECT_FALSE(bars.sharePoint(3).has_value());
    EXPECT_EQ(bars.accessibleDescription(), QString::fromStdString(chart.summary));
}

TEST(ProfileBars, WithoutCallsTheChartSaysToPlayFirst) {
    ProfileBarsWidget bars;
    bars.setChart(ProfileChart{});
    EXPECT_EQ(bars.drawing().title(), "No calls yet: play a game first.");
    ProfileChart chart;
    chart.bars[0] = {"0.0", 1, 0.0};
    chart.calls = 1;
    bars.setChart(chart);
    EXPECT_TRUE(bars.drawing().title().isEmpty());
}

} // namespace
} // namespace quintel::qttest
