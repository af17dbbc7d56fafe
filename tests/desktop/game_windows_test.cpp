#include "desktop/die_face_widget.h"
#include "desktop/filled_box_widget.h"
#include "desktop/windows.h"
#include "opponent/classic_computer.h"
#include "records/player_files.h"
#include "testing/table_fixture.h"
#include "tests/desktop/fake_screen.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace quintel::qttest {
namespace {

// The game's own screens in their windows, played by typing and clicking.
class GameWindowsTest : public ::testing::Test {
protected:
    GameContext context;
    Game& game = context.game;
    int quits = 0;
    Windows windows{game, [this] { ++quits; }};
    ScreenWindow& welcome = windows.windowOf(game.formWelcome);
    ScreenWindow& table = windows.windowOf(game.formStart);
    ScreenWindow& dialog = windows.windowOf(game.formCall);

    GameWindowsTest() {
        game.start();
        windows.refresh();
    }
    template <typename W> W* in(ScreenWindow& window, std::string_view name, int index = -1) {
        return qobject_cast<W*>(window.widgetNamed(name, index));
    }
};

TEST_F(GameWindowsTest, SigningInOpensTheTableWithTheFirstThrowAndTheCallDialogBesideIt) {
    EXPECT_EQ(welcome.windowTitle(), "WELCOME");
    QTest::keyClicks(in<QLineEdit>(welcome, "txtName"), "Ann");
    QTest::mouseClick(in<QPushButton>(welcome, "btnOK"), Qt::LeftButton);
    ASSERT_TRUE(table.isVisible());
    EXPECT_FALSE(welcome.isVisible());
    EXPECT_EQ(table.windowTitle(), "Quintel \u2014 Classic");
    for (int i = 0; i < 5; ++i) {
        auto* die = in<QPushButton>(table, "Dice", i);
        EXPECT_TRUE(die->isVisible() && die->isEnabled()) << i;
        EXPECT_TRUE(QString("123456").contains(die->text()) && die->text().size() == 1) << i;
        EXPECT_EQ(die->geometry(), QRect(152 + 32 * i, 152, 25, 25));
    }
    EXPECT_EQ(in<QLabel>(table, "lblName", 0)->text(), "Ann");
    auto* marker = in<FilledBoxWidget>(table, "Picture1", 0);
    EXPECT_TRUE(marker->isVisible());
    EXPECT_EQ(marker->fill(), QColor(128, 128, 255));
    EXPECT_FALSE(in<FilledBoxWidget>(table, "Picture1", 1)->isVisible());
    auto* call = in<QPushButton>(table, "Call1");
    ASSERT_TRUE(call->isEnabled());

    QTest::mouseClick(call, Qt::LeftButton);
    ASSERT_TRUE(dialog.isVisible());
    EXPECT_TRUE(table.isVisible());
    EXPECT_FALSE(dialog.frameGeometry().intersects(table.frameGeometry()))
        << "the dialog covers the table's dice";
    EXPECT_EQ(in<DieFaceWidget>(dialog, "Image4")->face(), 4);
    QTest::mouseClick(in<QRadioButton>(dialog, "Option1", 32), Qt::LeftButton); // two sixes
    EXPECT_FALSE(in<QRadioButton>(dialog, "Option1", 30)->isChecked());
    EXPECT_EQ(in<QLabel>(dialog, "lblDice", 1)->text(), "6");
    QTest::mouseClick(in<QPushButton>(dialog, "Cancel"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(quits, 0);
}

TEST_F(GameWindowsTest, ASecondPressOfCallBringsTheOpenDialogToTheFrontWithTheFocus) {
    QTest::keyClicks(in<QLineEdit>(welcome, "txtName"), "Ann");
    QTest::mouseClick(in<QPushButton>(welcome, "btnOK"), Qt::LeftButton);
    auto* call = in<QPushButton>(table, "Call1");
    QTest::mouseClick(call, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QTest::mouseClick(in<QRadioButton>(dialog, "Option1", 32), Qt::LeftButton); // two sixes

    // The player goes back to the table, the dialog behind it, and presses Call again.
    table.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&table));
    QTest::mouseClick(call, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
    EXPECT_EQ(QApplication::activeWindow(), &dialog);
    EXPECT_TRUE(in<QRadioButton>(dialog, "Option1", 32)->isChecked()) << "the same dialog";
}

// After a call sent with the mouse the table's keys still play: Call's button went away with the
// focus, and the focus did not pass into a log, where T and X would have been typed.
TEST_F(GameWindowsTest, AfterACallSentWithTheMouseTheKeysPlayAndTheLogsStayUntouched) {
    ClassicComputer computer(context.random, game, &game.profile);
    game.computer = &computer;
    QTest::keyClicks(in<QLineEdit>(welcome, "txtName"), "Ann");
    QTest::mouseClick(in<QPushButton>(welcome, "btnOK"), Qt::LeftButton);
    auto* call = in<QPushButton>(table, "Call1");
    QTest::mouseClick(call, Qt::LeftButton);
    ASSERT_EQ(table.focusWidget(), call);
    QTest::mouseClick(in<QRadioButton>(dialog, "Option1", 7), Qt::LeftButton); // one two
    QTest::mouseClick(in<QPushButton>(dialog, "OK"), Qt::LeftButton);
    ASSERT_FALSE(call->isEnabled());
    auto* trust = in<QPushButton>(table, "Trust");
    ASSERT_TRUE(trust->isEnabled()) << "the computer answers the call with its own";

    const auto* callLog = in<QPlainTextEdit>(table, "Text1");
    const auto* fixLog = in<QPlainTextEdit>(table, "Text2");
    const QString calls = callLog->toPlainText();
    const QString fixes = fixLog->toPlainText();
    QWidget* focused = table.focusWidget();
    EXPECT_NE(focused, callLog);
    EXPECT_NE(focused, fixLog);
    QTest::keyClick(focused != nullptr ? focused : &table, Qt::Key_T);
    EXPECT_FALSE(trust->isEnabled()) << "T trusted the call";
    EXPECT_TRUE(in<QPushButton>(table, "Change_Dice")->isEnabled());
    EXPECT_EQ(callLog->toPlainText(), calls);
    EXPECT_EQ(fixLog->toPlainText(), fixes);
}

TEST_F(GameWindowsTest, TheCallAndFixLogsScrollTogether) {
    QTest::keyClicks(in<QLineEdit>(welcome, "txtName"), "Ann");
    QTest::mouseClick(in<QPushButton>(welcome, "btnOK"), Qt::LeftButton);
    for (int call = 0; call < 30; ++call) {
        game.formStart.Text1.caption += "Ann Call: 66\r\n";
        game.formStart.Text2.caption += "Ann Fix: 6\r\n";
    }
    windows.refresh();
    auto* calls = in<QPlainTextEdit>(table, "Text1")->verticalScrollBar();
    auto* fixes = in<QPlainTextEdit>(table, "Text2")->verticalScrollBar();
    ASSERT_GT(calls->maximum(), 10);
    EXPECT_EQ(calls->value(), calls->maximum()) << "the newest line in view";
    EXPECT_EQ(fixes->value(), calls->value());
    calls->triggerAction(QAbstractSlider::SliderPageStepSub);
    ASSERT_LT(calls->value(), calls->maximum());
    EXPECT_EQ(fixes->value(), calls->value());
    fixes->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(calls->value(), 0);
}

TEST_F(GameWindowsTest, ExitOnTheWelcomeWindowEndsTheProgramWithoutAFile) {
    QTest::mouseClick(in<QPushButton>(welcome, "cmdExit"), Qt::LeftButton);
    EXPECT_EQ(quits, 1);
    EXPECT_TRUE(context.folder.names().empty());
}

TEST_F(GameWindowsTest, TheTablesCloseBoxEndsTheProgramKeepingTheDecidedGamesProfile) {
    QTest::keyClicks(in<QLineEdit>(welcome, "txtName"), "Ann");
    QTest::mouseClick(in<QPushButton>(welcome, "btnOK"), Qt::LeftButton);
    ASSERT_TRUE(table.isVisible());
    game.profile.counts[3] = 5;
    game.profile.scores[3] = 2;
    game.gameDecided({Seat::Computer, Seat::Computer, "2", "66543"});
    game.profile.counts[3] = 6; // the match in progress

    table.close(); // the question about the game in progress, answered No by default
    EXPECT_TRUE(table.isVisible());
    EXPECT_EQ(quits, 0);
    context.messages.answer(MessageAnswer::Yes);
    table.close();
    EXPECT_EQ(context.messages.texts().back(),
              "Leave the game in progress? It will not be counted.");
    EXPECT_EQ(quits, 1);
    EXPECT_FALSE(table.isVisible());
    EXPECT_FALSE(game.history.isOpen());
    const std::string profile = testing::fileBytes(profilePath(context.folder.path(), "Ann"));
    EXPECT_EQ(profile,
              "0\t0\r\n0\t0\r\n0\t0\r\n5\t2\r\n0\t0\r\n0\t0\r\n0\t0\r\n0\t0\r\n0\t0\r\n0\t0\r\n");
}

} // namespace
} // namespace quintel::qttest
