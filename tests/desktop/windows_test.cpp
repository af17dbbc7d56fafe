#include "desktop/windows.h"
#include "tests/desktop/fake_screen.h"

#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace quintel::qttest {
namespace {

class WindowsViewTest : public ::testing::Test {
protected:
    GameContext context;
    FakeScreen first{context.game}, second{context.game};
    bool quitRequested = false;
    int quits = 0;
    WindowsView windows{{{&first, {}}, {&second, {.dialog = true}}},
                        [this] { return quitRequested; },
                        [this] { ++quits; }};

    WindowsViewTest() {
        first.Show();
        windows.refresh();
    }
    void clickGo() {
        qobject_cast<QPushButton*>(windows.viewOf(first).widgetFor(first.go))->click();
    }
};

TEST_F(WindowsViewTest, AClickThatSwitchesScreensSwitchesAndUpdatesWindows) {
    EXPECT_TRUE(windows.viewOf(first).isVisible());
    EXPECT_FALSE(windows.viewOf(second).isVisible());
    first.go.click = [this] {
        first.Unload();
        second.Show();
        second.title.caption = "Welcome back";
    };
    clickGo();
    EXPECT_FALSE(windows.viewOf(first).isVisible());
    EXPECT_TRUE(windows.viewOf(second).isVisible());
    EXPECT_EQ(windows.viewOf(second).windowType(), Qt::Dialog);
    EXPECT_EQ(qobject_cast<QLabel*>(windows.viewOf(second).widgetFor(second.title))->text(),
              "Welcome back");
    EXPECT_EQ(quits, 0);
}

TEST_F(WindowsViewTest, QuitsOnceWhenTheLastScreenCloses) {
    windows.viewOf(first).close();
    EXPECT_FALSE(windows.viewOf(first).isVisible());
    windows.afterEvent();
    EXPECT_EQ(quits, 1);
}

TEST_F(WindowsViewTest, QuitsWhenTheGameAsksToEndWithAWindowOpen) {
    first.go.click = [this] { quitRequested = true; };
    clickGo();
    EXPECT_EQ(quits, 1);
}

} // namespace
} // namespace quintel::qttest
