#include "app/game.h"
#include "app/picture_widget.h"
#include "app/screen_view.h"
#include "app/windows_view.h"
#include "tests/qt/fake_screen.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace quintel::qttest {
namespace {

// The game's own screens in their windows, played by clicking and typing.
class GameWindowsTest : public ::testing::Test {
protected:
    GameContext context;
    Game& game = context.game;
    int quits = 0;
    WindowsView windows{game, [this] { ++quits; }};

    GameWindowsTest() {
        game.start();
        windows.refresh();
    }

    ScreenView& welcome() { return windows.viewOf(game.formWelcome); }
    ScreenView& table() { return windows.viewOf(game.formStart); }
    ScreenView& dialog() { return windows.viewOf(game.formCall); }

    template <typename W> W* in(ScreenView& view, std::string_view name, int index = -1) {
        auto* widget = qobject_cast<W*>(view.widgetNamed(name, index));
        EXPECT_NE(widget, nullptr) << name << " " << index;
        return widget;
    }

    void signIn(const char* name) {
        QTest::keyClicks(in<QLineEdit>(welcome(), "txtName"), name);
        QTest::mouseClick(in<QPushButton>(welcome(), "btnOK"), Qt::LeftButton);
    }
};

TEST_F(GameWindowsTest, SigningInThroughTheWelcomeWindowOpensTheTable) {
    ASSERT_TRUE(welcome().isVisible());
    EXPECT_EQ(welcome().windowTitle(), "WELCOME");
    EXPECT_FALSE(table().isVisible());

    signIn("Ann");
    ASSERT_TRUE(table().isVisible());
    EXPECT_FALSE(welcome().isVisible());
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_EQ(table().windowTitle(), "Quintel");
    EXPECT_EQ(table().clientArea()->size(), QSize(312, 253));

    for (int i = 0; i < 5; ++i) {
        auto* die = in<QPushButton>(table(), "Dice", i);
        ASSERT_NE(die, nullptr);
        EXPECT_TRUE(die->isVisible()) << i;
        EXPECT_TRUE(die->isEnabled()) << i;
        EXPECT_TRUE(QStringList({"1", "2", "3", "4", "5", "6"}).contains(die->text())) << i;
        EXPECT_EQ(die->geometry(), QRect(152 + 32 * i, 152, 25, 25));
    }
    EXPECT_TRUE(in<QPushButton>(table(), "Call1")->isEnabled());
    EXPECT_FALSE(in<QPushButton>(table(), "Trust")->isEnabled());
    EXPECT_FALSE(in<QPushButton>(table(), "Roll")->isVisible());
    EXPECT_EQ(in<QLabel>(table(), "lblName", 0)->text(), "Ann");
    EXPECT_EQ(in<QLabel>(table(), "lblName", 1)->text(), "AI");

    // The player starts: only the first seat's marker is up, in the marker colour.
    auto* marker = in<FilledBoxWidget>(table(), "Picture1", 0);
    EXPECT_TRUE(marker->isVisible());
    EXPECT_EQ(marker->fill(), QColor(128, 128, 255));
    EXPECT_EQ(marker->geometry(), QRect(104, 120, 17, 17));
    EXPECT_FALSE(in<FilledBoxWidget>(table(), "Picture1", 1)->isVisible());
    EXPECT_EQ(quits, 0);
}

TEST_F(GameWindowsTest, CallOpensTheDialogBesideTheTableWithItsGrid) {
    signIn("Ann");
    QTest::mouseClick(in<QPushButton>(table(), "Call1"), Qt::LeftButton);
    ASSERT_TRUE(dialog().isVisible());
    EXPECT_TRUE(table().isVisible());
    EXPECT_EQ(dialog().windowType(), Qt::Dialog);
    EXPECT_EQ(dialog().windowTitle(), "Call");
    EXPECT_TRUE(in<QRadioButton>(dialog(), "Option1", 6)->isChecked());
    EXPECT_EQ(in<DieFaceWidget>(dialog(), "Image4")->face(), 4);

    // Two sixes: row 6, column 2.
    QTest::mouseClick(in<QRadioButton>(dialog(), "Option1", 32), Qt::LeftButton);
    EXPECT_TRUE(in<QRadioButton>(dialog(), "Option1", 32)->isChecked());
    EXPECT_FALSE(in<QRadioButton>(dialog(), "Option1", 30)->isChecked());
    EXPECT_EQ(in<QLabel>(dialog(), "lblDice", 0)->text(), "6");
    EXPECT_EQ(in<QLabel>(dialog(), "lblDice", 1)->text(), "6");
    EXPECT_EQ(in<QLabel>(dialog(), "lblDice", 2)->text(), "");

    QTest::mouseClick(in<QPushButton>(dialog(), "Cancel"), Qt::LeftButton);
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_TRUE(table().isVisible());
}

TEST_F(GameWindowsTest, ExitOnTheWelcomeWindowEndsTheProgramWithoutAFile) {
    QTest::mouseClick(in<QPushButton>(welcome(), "cmdExit"), Qt::LeftButton);
    EXPECT_EQ(quits, 1);
    EXPECT_FALSE(welcome().isVisible());
    EXPECT_TRUE(context.folder.names().empty());
}

TEST_F(GameWindowsTest, RuleOptionsTickedInTheWindowReachTheTable) {
    QTest::mouseClick(in<QCheckBox>(welcome(), "Check1"), Qt::LeftButton);
    QTest::mouseClick(in<QCheckBox>(welcome(), "Check2"), Qt::LeftButton);
    EXPECT_TRUE(in<QCheckBox>(welcome(), "Check1")->isChecked());
    signIn("Ann");
    EXPECT_EQ(in<QLabel>(table(), "Label5")->text(), "Fix Any + Fix Permanent");
}

} // namespace
} // namespace quintel::qttest
