#include "desktop/design_scale.h"
#include "desktop/windows.h"
#include "tests/desktop/fake_screen.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace quintel::qttest {
namespace {

class WindowsTest : public ::testing::Test {
protected:
    FakeScreen first, second;
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
    FakeScreen main, dialog;
    Windows windows{{{&main, {}}, {&dialog, {.dialog = true}, &main}}, [] { return false; }, [] {}};
    ScreenWindow& mainWindow = windows.windowOf(main);
    ScreenWindow& dialogWindow = windows.windowOf(dialog);

    PlacedWindowsTest() {
        main.Show();
        windows.refresh();
        // Where a dialog has room beside it on the small test screen.
        mainWindow.move(0, 0);
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

// A screen smaller than the game's, so that the offscreen test screen is roomy for it.
class SmallScreen : public FakeScreen {
public:
    using FakeScreen::FakeScreen;

protected:
    void design() override {
        FakeScreen::design();
        clientWidth = 1560; // 104 × 80 pixels
        clientHeight = 1200;
    }
};

// Runs of the program one after another, sharing a settings file of their own.
class KeptGeometryTest : public ::testing::Test {
protected:
    TempFolder settingsFolder;

    struct Run {
        QSettings settings;
        SmallScreen main;
        FakeScreen dialog;
        Windows windows{
            {{&main, {}, nullptr, "main"}, {&dialog, {.dialog = true}, &main, "dialog"}},
            [] { return false; },
            [] {}};
        ScreenWindow& mainWindow = windows.windowOf(main);
        ScreenWindow& dialogWindow = windows.windowOf(dialog);

        explicit Run(const QString& file) : settings(file, QSettings::IniFormat) {
            windows.keepGeometries(settings);
            main.Show();
            windows.refresh();
        }
        void close(Screen& screen) {
            screen.Unload();
            windows.refresh();
        }
    };
    std::unique_ptr<Run> start() {
        return std::make_unique<Run>(
            QString::fromStdString((settingsFolder.path() / "Quintel.conf").string()));
    }
};

TEST_F(KeptGeometryTest, AWindowNeverKeptOpensAtTheFactorForItsScreen) {
    auto run = start();
    const QSize screen = run->mainWindow.QWidget::screen()->geometry().size();
    const double expected = firstStartFactor(screen, {104, 80});
    ASSERT_GT(expected, 1.0) << "the test screen is " << screen.width() << "x" << screen.height();
    EXPECT_EQ(run->mainWindow.scaleFactor(), expected);
    EXPECT_EQ(run->mainWindow.clientArea()->size(), QSize(104, 80) * expected);
}

TEST_F(KeptGeometryTest, AWindowNeverKeptOpensInTheMiddleOfItsScreenWithItsDialogBeside) {
    auto run = start();
    run->dialog.Show();
    run->windows.refresh();
    const QRect screen = run->mainWindow.QWidget::screen()->availableGeometry();
    const QRect main = run->mainWindow.frameGeometry();
    const QRect dialog = run->dialogWindow.frameGeometry();
    EXPECT_FALSE(main.intersects(dialog));
    EXPECT_GT(dialog.left(), main.right());
    const QPoint offset = main.united(dialog).center() - screen.center();
    EXPECT_LE(offset.manhattanLength(), 40) << offset.x() << "," << offset.y();
}

// Sizes a hand or another screen left in the settings file: the window is fitted to this screen,
// whole, in its middle, and keeps its shape.
TEST_F(KeptGeometryTest, AKeptSizeTooLargeForTheScreenIsScaledDownToFitWhole) {
    for (const QSize kept : {QSize(5000, 4000), QSize(2147483647, 2147483647)}) {
        {
            QSettings settings(
                QString::fromStdString((settingsFolder.path() / "Quintel.conf").string()),
                QSettings::IniFormat);
            settings.setValue("windows/main/size", kept);
            settings.setValue("windows/main/place", QPoint(100, 100));
        }
        auto run = start();
        const QRect screen = run->mainWindow.QWidget::screen()->availableGeometry();
        const QRect opened = run->mainWindow.frameGeometry();
        EXPECT_TRUE(screen.contains(opened)) << opened.width() << "x" << opened.height();
        EXPECT_GT(opened.height(), screen.height() / 2);
        EXPECT_NEAR(static_cast<double>(run->mainWindow.width()) / run->mainWindow.height(),
                    static_cast<double>(kept.width()) / kept.height(), 0.02);
    }
}

TEST_F(KeptGeometryTest, EachWindowReopensInTheNextRunAtTheSizeAndPlaceItLastHad) {
    QRect mainPlace, dialogPlace;
    {
        auto run = start();
        run->mainWindow.setGeometry(40, 30, 300, 250);
        run->dialog.Show();
        run->windows.refresh();
        run->dialogWindow.move(run->dialogWindow.pos() + QPoint(0, 50)); // by the player
        run->dialogWindow.resize(run->dialogWindow.size() + QSize(30, 30));
        mainPlace = run->mainWindow.geometry();
        dialogPlace = run->dialogWindow.geometry();
        const double factor = run->mainWindow.scaleFactor();
        run->close(run->dialog);
        run->close(run->main);
        EXPECT_GT(factor, 2.0);
    }
    auto run = start();
    EXPECT_EQ(run->mainWindow.geometry(), mainPlace);
    run->dialog.Show();
    run->windows.refresh();
    EXPECT_EQ(run->dialogWindow.geometry(), dialogPlace);
}

TEST_F(KeptGeometryTest, ADialogNotMovedByThePlayerOpensBesideItsMainWindowAgain) {
    QSize dialogSize;
    {
        auto run = start();
        run->dialog.Show();
        run->windows.refresh();
        run->dialogWindow.resize(run->dialogWindow.size() + QSize(30, 30));
        dialogSize = run->dialogWindow.size();
        run->close(run->dialog);
    }
    auto run = start();
    run->mainWindow.move(0, 300);
    run->dialog.Show();
    run->windows.refresh();
    EXPECT_EQ(run->dialogWindow.size(), dialogSize) << "its size is kept";
    EXPECT_EQ(run->dialogWindow.y(), run->mainWindow.y()) << "beside the main window";
    EXPECT_FALSE(run->dialogWindow.frameGeometry().intersects(run->mainWindow.frameGeometry()));
}

TEST_F(KeptGeometryTest, APlaceOffEveryScreenIsPulledBackOntoOne) {
    {
        auto run = start();
        run->mainWindow.move(5000, 4000);
        run->close(run->main);
    }
    auto run = start();
    const QRect screen = run->mainWindow.QWidget::screen()->availableGeometry();
    EXPECT_TRUE(screen.intersects(run->mainWindow.frameGeometry()))
        << run->mainWindow.x() << "," << run->mainWindow.y();
}

} // namespace
} // namespace quintel::qttest
