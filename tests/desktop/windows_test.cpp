#include "desktop/windows.h"
#include "tests/desktop/fake_screen.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

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

// A main window and a dialog that opens beside it.
class PlacedWindowsTest : public ::testing::Test {
protected:
    GameContext context;
    FakeScreen main{context.game}, dialog{context.game};
    Windows windows{{{&main, {}}, {&dialog, {.dialog = true}, &main}}, [] { return false; }, [] {}};
    ScreenWindow& mainWindow = windows.windowOf(main);
    ScreenWindow& dialogWindow = windows.windowOf(dialog);

    PlacedWindowsTest() {
        main.Show();
        windows.refresh();
    }
    void reopenDialog() {
        dialog.Unload();
        windows.refresh();
        ASSERT_FALSE(dialogWindow.isVisible());
        dialog.Show();
        windows.refresh();
        ASSERT_TRUE(dialogWindow.isVisible());
    }
};

TEST_F(PlacedWindowsTest, TheDialogOpensBesideTheMainWindowWhereverThatStands) {
    const QRect screen = mainWindow.QWidget::screen()->availableGeometry();
    dialog.Show();
    windows.refresh();
    EXPECT_FALSE(dialogWindow.frameGeometry().intersects(mainWindow.frameGeometry()));
    EXPECT_GT(dialogWindow.x(), mainWindow.x());
    EXPECT_TRUE(screen.contains(dialogWindow.frameGeometry()));

    // Against the right edge of the screen it opens on the left.
    mainWindow.move(screen.right() + 1 - mainWindow.frameGeometry().width(), 40);
    reopenDialog();
    EXPECT_FALSE(dialogWindow.frameGeometry().intersects(mainWindow.frameGeometry()));
    EXPECT_LT(dialogWindow.x(), mainWindow.x());
    EXPECT_TRUE(screen.contains(dialogWindow.frameGeometry()));
}

TEST_F(PlacedWindowsTest, TheDialogReopensWhereThePlayerLastPutIt) {
    dialog.Show();
    windows.refresh();
    const QPoint besideMain = dialogWindow.pos();
    reopenDialog();
    EXPECT_EQ(dialogWindow.pos(), besideMain);

    const QPoint chosen = besideMain + QPoint(-30, 50);
    dialogWindow.move(chosen);
    reopenDialog();
    EXPECT_EQ(dialogWindow.pos(), chosen);
    mainWindow.move(mainWindow.pos() + QPoint(20, 20));
    reopenDialog();
    EXPECT_EQ(dialogWindow.pos(), chosen);
}

TEST_F(PlacedWindowsTest, MessagesBelongToTheActiveWindowElseTheMainWindow) {
    EXPECT_EQ(windows.messageOwner(), &mainWindow);
    dialog.Show();
    windows.refresh();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialogWindow));
    EXPECT_EQ(windows.messageOwner(), &dialogWindow);
    dialog.Unload();
    windows.refresh();
    EXPECT_EQ(windows.messageOwner(), &mainWindow);
    main.Unload();
    windows.refresh();
    EXPECT_EQ(windows.messageOwner(), nullptr);
}

} // namespace
} // namespace quintel::qttest
