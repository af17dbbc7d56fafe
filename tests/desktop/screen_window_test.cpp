#include "desktop/screen_window.h"
#include "tests/desktop/fake_screen.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace quintel::qttest {
namespace {

class ScreenWindowTest : public ::testing::Test {
protected:
    FakeScreen screen;
    ScreenWindow window{screen, {.pictureFill = QColor(10, 200, 30)}};

    ScreenWindowTest() {
        screen.Show();
        window.sync();
        window.show();
    }
    template <typename W> W* widget(const Control& control) {
        return qobject_cast<W*>(window.widgetFor(control));
    }
};

TEST_F(ScreenWindowTest, PlacesControlsInPixelsOfFifteenTwipsOptionButtonsInTheirFrame) {
    EXPECT_EQ(window.clientArea()->size(), QSize(312, 253));
    EXPECT_EQ(widget<QLabel>(screen.title)->geometry(), QRect(8, 8, 113, 17));
    EXPECT_EQ(widget<QPlainTextEdit>(screen.log)->geometry(), QRect(16, 24, 145, 81));
    EXPECT_EQ(widget<QLineEdit>(screen.entry)->geometry(), QRect(96, 120, 129, 19));
    auto* option = widget<QRadioButton>(screen.choice[1]);
    EXPECT_EQ(option->parentWidget(), window.widgetFor(screen.frame));
    EXPECT_EQ(option->geometry(), QRect(32, 0, 17, 17));
    EXPECT_EQ(window.widgetFor(screen.timer), nullptr);
    EXPECT_EQ(window.widgetFor(screen.picture)->grab().toImage().pixelColor(8, 8),
              QColor(10, 200, 30));
}

TEST_F(ScreenWindowTest, MirrorsCaptionsStatesAndValuesOnSync) {
    EXPECT_EQ(window.windowTitle(), "Fake");
    EXPECT_FALSE(widget<QPushButton>(screen.stop)->isEnabled());
    screen.go.caption = "5X";
    screen.go.visible = false;
    screen.stop.enabled = true;
    screen.tick.value = true;
    screen.choice[0].value = false; // a frame with no option selected
    window.sync();
    EXPECT_EQ(widget<QPushButton>(screen.go)->text(), "5X");
    EXPECT_FALSE(widget<QPushButton>(screen.go)->isVisible());
    EXPECT_TRUE(widget<QPushButton>(screen.stop)->isEnabled());
    EXPECT_TRUE(widget<QCheckBox>(screen.tick)->isChecked());
    EXPECT_FALSE(widget<QRadioButton>(screen.choice[0])->isChecked());
}

TEST_F(ScreenWindowTest, ClicksReachTheHandlersWhichDecideTheState) {
    int handled = 0;
    QObject::connect(&window, &ScreenWindow::handled, [&] { ++handled; });
    QTest::mouseClick(widget<QPushButton>(screen.go), Qt::LeftButton);
    QTest::mouseClick(widget<QPushButton>(screen.stop), Qt::LeftButton);
    QTest::mouseClick(widget<QRadioButton>(screen.choice[2]), Qt::LeftButton);
    EXPECT_EQ(screen.goClicks, 1);
    EXPECT_EQ(handled, 2);
    EXPECT_TRUE(screen.choice[2].value);

    screen.tick.click = [] {}; // a screen that ignores the click keeps the box unticked
    widget<QCheckBox>(screen.tick)->click();
    window.sync();
    EXPECT_FALSE(widget<QCheckBox>(screen.tick)->isChecked());
}

TEST_F(ScreenWindowTest, TypingHandsTheWholeTextOverWithLinesEndingInCarriageReturnLineFeed) {
    QTest::keyClicks(widget<QLineEdit>(screen.entry), "An");
    EXPECT_EQ(screen.entries, (std::vector<std::string>{"A", "An"}));

    screen.log.caption = "Ann Call: 2\r\n";
    window.sync();
    auto* log = widget<QPlainTextEdit>(screen.log);
    EXPECT_EQ(log->toPlainText(), "Ann Call: 2\n");
    QTest::keyClicks(log, "x");
    QTest::keyClick(log, Qt::Key_Return);
    EXPECT_EQ(screen.log.caption, "Ann Call: 2\r\nx\r\n");

    // A sync that finds the same text leaves the cursor where the player put it.
    log->moveCursor(QTextCursor::Start);
    window.sync();
    EXPECT_EQ(log->textCursor().position(), 0);
}

TEST_F(ScreenWindowTest, ALogWrittenBySyncIsNotThePlayersTyping) {
    int edits = 0, handled = 0;
    screen.log.edited = [&](const std::string&) { ++edits; };
    QObject::connect(&window, &ScreenWindow::handled, [&] { ++handled; });
    screen.log.caption = "AI Call: 33\r\n";
    window.sync();
    EXPECT_EQ(widget<QPlainTextEdit>(screen.log)->toPlainText(), "AI Call: 33\n");
    EXPECT_EQ(edits, 0);
    EXPECT_EQ(handled, 0);
}

TEST_F(ScreenWindowTest, KeysClickOnlyWhatTheScreenLetsBeClickedAndEndInHandled) {
    screen.go.shortcut = "G";
    screen.go.tooltip = "Go (G)";
    screen.stop.shortcut = "S"; // disabled: its click fails the test
    window.sync();
    EXPECT_EQ(widget<QPushButton>(screen.go)->toolTip(), "Go (G)");
    int handled = 0;
    QObject::connect(&window, &ScreenWindow::handled, [&] { ++handled; });

    // The window opens with the focus beside its first tab stop, the log.
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    EXPECT_NE(focused, window.widgetFor(screen.log));
    QTest::keyClick(focused, Qt::Key_G);
    QTest::keyClick(focused, Qt::Key_S);
    EXPECT_EQ(screen.goClicks, 1);
    EXPECT_EQ(handled, 1);

    // Plain letters are the log's typing; with Alt they are keys of the screen.
    QTest::keyClick(widget<QPlainTextEdit>(screen.log), Qt::Key_G);
    EXPECT_EQ(screen.goClicks, 1);
    QTest::keyClick(widget<QPlainTextEdit>(screen.log), Qt::Key_G, Qt::AltModifier);
    EXPECT_EQ(screen.goClicks, 2);

    screen.go.visible = false;
    window.sync();
    handled = 0;
    QTest::keyClick(&window, Qt::Key_G);
    EXPECT_EQ(screen.goClicks, 2);
    EXPECT_EQ(handled, 0);
}

// A log takes the player's typing only once the player has clicked into it: Tab passes it by, and
// the focus of a widget that goes away does not fall into it.
TEST_F(ScreenWindowTest, TheLogTakesTypingOnlyAfterAClickIntoIt) {
    screen.go.shortcut = "G";
    window.sync();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* log = widget<QPlainTextEdit>(screen.log);

    widget<QLineEdit>(screen.entry)->setFocus();
    for (int stop = 0; stop < 5; ++stop) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_NE(QApplication::focusWidget(), log) << "Tab number " << stop + 1;
    }

    // The last tab stop goes away while it has the focus; the next one round is the log.
    QTest::mouseClick(widget<QCheckBox>(screen.tick), Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), widget<QCheckBox>(screen.tick));
    screen.tick.enabled = false;
    window.sync();
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    EXPECT_NE(focused, log);
    QTest::keyClick(focused, Qt::Key_G);
    EXPECT_EQ(screen.goClicks, 1);
    EXPECT_EQ(screen.log.caption, "");

    QTest::mouseClick(log->viewport(), Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), log);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_G);
    EXPECT_EQ(screen.log.caption, "g");
    EXPECT_EQ(screen.goClicks, 1);
}

TEST_F(ScreenWindowTest, AHandlerMayReloadItsOwnScreen) {
    screen.go.click = [this] {
        screen.Unload();
        screen.Load();
        screen.title.caption = "again";
    };
    widget<QPushButton>(screen.go)->click();
    window.sync();
    EXPECT_EQ(widget<QLabel>(screen.title)->text(), "again");
}

TEST_F(ScreenWindowTest, CloseBoxIsPassedToTheScreen) {
    window.close();
    EXPECT_EQ(screen.closes, 1);
    EXPECT_TRUE(window.isVisible()); // hiding it is the window manager's part
}

TEST_F(ScreenWindowTest, TabFollowsTheTabOrderAndTheMenuBarHoldsHelpRuleAbout) {
    std::vector<QWidget*> order{window.widgetFor(screen.log)};
    for (QWidget* next = order[0]->nextInFocusChain(); next != order[0];
         next = next->nextInFocusChain()) {
        if ((next->focusPolicy() & Qt::TabFocus) && window.clientArea()->isAncestorOf(next)) {
            order.push_back(next);
        }
    }
    EXPECT_EQ(order,
              (std::vector<QWidget*>{window.widgetFor(screen.log), window.widgetFor(screen.entry),
                                     window.widgetFor(screen.stop), window.widgetFor(screen.go),
                                     window.widgetFor(screen.tick)}));
    QStringList captions;
    for (QAction* action : window.menuBar()->actions()) {
        captions << action->text();
    }
    EXPECT_EQ(captions, (QStringList{"Help", "Rule", "About"}));
    EXPECT_EQ(window.menuAction("Rule"), window.menuBar()->actions().at(1));
}

} // namespace
} // namespace quintel::qttest
