#include "app/windows_view.h"
#include "tests/qt/fake_screen.h"

#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace quintel::qttest {
namespace {

class WindowsViewTest : public ::testing::Test {
protected:
    GameContext context;
    FakeScreen first{context.game};
    FakeScreen second{context.game};
    bool quitRequested = false;
    int quits = 0;
    WindowsView windows{{{&first, {}}, {&second, {.dialog = true}}},
                        [this] { return quitRequested; },
                        [this] { ++quits; }};

    ScreenView& firstView() { return windows.viewOf(first); }
    ScreenView& secondView() { return windows.viewOf(second); }
    QPushButton* goButton(FakeScreen& screen) {
        return qobject_cast<QPushButton*>(windows.viewOf(screen).widgetFor(screen.go));
    }
};

TEST_F(WindowsViewTest, ShowsExactlyTheWindowsOfShownScreens) {
    first.Show();
    windows.refresh();
    EXPECT_TRUE(firstView().isVisible());
    EXPECT_FALSE(secondView().isVisible());
    EXPECT_EQ(quits, 0);
}

TEST_F(WindowsViewTest, AClickThatSwitchesScreensSwitchesWindows) {
    first.Show();
    windows.refresh();
    first.go.click = [this] {
        first.Unload();
        second.Show();
        second.title.caption = "Welcome back";
    };
    goButton(first)->click();
    EXPECT_FALSE(firstView().isVisible());
    EXPECT_TRUE(secondView().isVisible());
    EXPECT_EQ(windows.viewOf(second).windowTitle(), "Fake");
    // The other window was brought up to date by the same event.
    auto* title = qobject_cast<QLabel*>(secondView().widgetFor(second.title));
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->text(), "Welcome back");
    EXPECT_EQ(quits, 0);
}

TEST_F(WindowsViewTest, AnEventInOneWindowUpdatesTheOthers) {
    first.Show();
    second.Show();
    windows.refresh();
    first.go.click = [this] { second.go.caption = "6X"; };
    goButton(first)->click();
    EXPECT_EQ(goButton(second)->text(), "6X");
}

TEST_F(WindowsViewTest, DialogScreenGetsADialogWindow) {
    EXPECT_EQ(secondView().windowType(), Qt::Dialog);
    EXPECT_EQ(firstView().windowType(), Qt::Window);
}

TEST_F(WindowsViewTest, QuitsWhenTheLastScreenCloses) {
    first.Show();
    windows.refresh();
    firstView().close();
    EXPECT_EQ(first.closes, 1);
    EXPECT_FALSE(firstView().isVisible());
    EXPECT_EQ(quits, 1);
}

TEST_F(WindowsViewTest, QuitsWhenTheGameAsksToEndEvenWithAWindowOpen) {
    first.Show();
    windows.refresh();
    first.go.click = [this] { quitRequested = true; };
    goButton(first)->click();
    EXPECT_EQ(quits, 1);
}

TEST_F(WindowsViewTest, RefreshAloneNeverQuits) {
    windows.refresh();
    EXPECT_EQ(quits, 0);
}

} // namespace
} // namespace quintel::qttest
