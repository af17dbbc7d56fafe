#include "desktop/windows.h"
#include "tests/desktop/fake_screen.h"

#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace quintel::qttest {
namespace {

class WindowsTest : public ::testing::Test {
protected:
    GameContext context;
    FakeScreen first{context.game}, second{context.game};
    bool quitRequested = false;
    int quits = 0;
    Windows windows{{{&first, {}}, {&second, {.dialog = true}}},
                    [this] { return quitRequested; },
                    [this] { ++quits; }};

    WindowsTest() {
        first.Show();
        windows.refresh();
    }
    void clickGo() {
        qobject_cast<QPushButton*>(windows.windowOf(first).widgetFor(first.go))->click();
    }
};

TEST_F(WindowsTest, AClickThatSwitchesScreensSwitchesAndUpdatesWindows) {
    EXPECT_TRUE(windows.windowOf(first).isVisible());
    EXPECT_FALSE(windows.windowOf(second).isVisible());
    first.go.click = [this] {
        first.Unload();
        second.Show();
        second.title.caption = "Welcome back";
    };
    clickGo();
    EXPECT_FALSE(windows.windowOf(first).isVisible());
    EXPECT_TRUE(windows.windowOf(second).isVisible());
    EXPECT_EQ(windows.windowOf(second).windowType(), Qt::Dialog);
    EXPECT_EQ(qobject_cast<QLabel*>(windows.windowOf(second).widgetFor(second.title))->text(),
              "Welcome back");
    EXPECT_EQ(quits, 0);
}

TEST_F(WindowsTest, QuitsOnceWhenTheLastScreenCloses) {
    windows.windowOf(first).close();
    EXPECT_FALSE(windows.windowOf(first).isVisible());
    windows.afterEvent();
    EXPECT_EQ(quits, 1);
}

TEST_F(WindowsTest, QuitsWhenTheGameAsksToEndWithAWindowOpen) {
    first.go.click = [this] { quitRequested = true; };
    clickGo();
    EXPECT_EQ(quits, 1);
}

} // namespace
} // namespace quintel::qttest
