#include "desktop/colour_scheme.h"
#include "desktop/log_highlight.h"
#include "desktop/status_line_widget.h"
#include "desktop/windows.h"
#include "testing/table_fixture.h"
#include "tests/desktop/fake_screen.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>

#include <gtest/gtest.h>

namespace quintel::qttest {
namespace {

class AccessibilityTest : public ::testing::Test {
protected:
    GameContext context;
    Game& game = context.game;
    testing::ScriptedComputer computer{game};
    Windows windows{game, [] {}};
    ScreenWindow& welcome = windows.windowOf(game.formWelcome);
    ScreenWindow& table = windows.windowOf(game.formStart);
    ScreenWindow& dialog = windows.windowOf(game.formCall);

    AccessibilityTest() {
        game.computer = &computer;
        game.start();
        windows.refresh();
    }

    void signIn() {
        QTest::keyClicks(qobject_cast<QLineEdit*>(welcome.widgetNamed("txtName")), "Ann");
        QTest::mouseClick(qobject_cast<QPushButton*>(welcome.widgetNamed("btnOK")), Qt::LeftButton);
        ASSERT_TRUE(table.isVisible());
    }
    void click(ScreenWindow& window, std::string_view name, int index = -1) {
        auto* button = qobject_cast<QAbstractButton*>(window.widgetNamed(name, index));
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    static QString spoken(QWidget* widget, QAccessible::Text part) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        return face != nullptr ? face->text(part) : QString();
    }
    QWidget* status(ScreenWindow& window) { return window.widgetNamed("lblStatus"); }

    // Every drawn control of the window says through Qt's accessibility what its screen says.
    void expectWindowSpeaksForItsScreen(ScreenWindow& window) {
        Screen& screen = window.screen();
        std::vector<Control*> all = screen.controls();
        all.push_back(screen.statusLine() != nullptr ? screen.statusLine() : all.front());
        for (const Control* control : all) {
            QWidget* widget = window.widgetFor(*control);
            if (widget == nullptr) {
                continue; // the timer
            }
            const AccessibleText text = screen.accessibleText(*control);
            const std::string which = control->name + std::to_string(control->index);
            EXPECT_EQ(spoken(widget, QAccessible::Name).toStdString(), text.name) << which;
            EXPECT_EQ(spoken(widget, QAccessible::Description).toStdString(), text.description)
                << which;
            EXPECT_FALSE(text.name.empty() || text.description.empty()) << which;
        }
    }
};

TEST_F(AccessibilityTest, EveryControlOfEveryWindowHasANameAndADescription) {
    expectWindowSpeaksForItsScreen(welcome);
    signIn();
    expectWindowSpeaksForItsScreen(table);
    click(table, "Call1");
    ASSERT_TRUE(dialog.isVisible());
    click(dialog, "Option1", 32); // two sixes
    expectWindowSpeaksForItsScreen(dialog);
    EXPECT_EQ(spoken(dialog.widgetNamed("Option1", 32), QAccessible::Name), "Two sixes");
    EXPECT_EQ(spoken(dialog.widgetNamed("lblDice", 1), QAccessible::Name), "Called die 2: six");
}

TEST_F(AccessibilityTest, DiceSayTheirFacesAndWhenTheyAreHidden) {
    signIn();
    computer.calls("55441", "5544", "55");
    click(table, "Call1");
    click(dialog, "Option1", 7); // one two
    click(dialog, "OK");
    EXPECT_EQ(spoken(table.widgetNamed("Dice", 1), QAccessible::Name), "Die 2: hidden");
    click(table, "Trust");
    EXPECT_EQ(spoken(table.widgetNamed("Dice", 1), QAccessible::Name), "Die 2: five");
    click(table, "Change_Dice");
    EXPECT_EQ(spoken(table.widgetNamed("Dice", 4), QAccessible::Name),
              "Die 5: ace, marked to throw again");
    EXPECT_EQ(spoken(table.widgetNamed("Dice", 4), QAccessible::Description),
              "Mark or unmark this die for a new throw (5)");
}

// The status bar's name is its text: a screen reader reads it, and hears of each new one (Qt
// announces a changed accessible name; the offscreen platform has no listener to check that).
TEST_F(AccessibilityTest, TheStatusLineIsAStatusBarUnderTheDesignNamedByItsText) {
    signIn();
    QWidget* line = status(table);
    ASSERT_NE(line, nullptr);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(line);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->role(), QAccessible::StatusBar);
    EXPECT_EQ(face->text(QAccessible::Name).toStdString(), game.formStart.lblStatus.caption);
    EXPECT_EQ(face->text(QAccessible::Description), "Whose turn it is and what you can do now");
    EXPECT_TRUE(line->isVisible());
    // Right under the design area, as wide as it less the margins; the client area grows by it.
    EXPECT_EQ(line->geometry(), QRect(8, 253, 296, 40));
    EXPECT_EQ(table.clientArea()->size(), QSize(312, 293));
    EXPECT_EQ(welcome.clientArea()->size(), QSize(312, 253)) << "no status line there";

    computer.calls("55441", "5544", "55");
    click(table, "Call1");
    click(dialog, "Option1", 7);
    QAccessibleInterface* dialogLine = QAccessible::queryAccessibleInterface(status(dialog));
    ASSERT_NE(dialogLine, nullptr);
    EXPECT_EQ(dialogLine->role(), QAccessible::StatusBar);
    EXPECT_EQ(dialogLine->text(QAccessible::Name).toStdString(), game.formCall.lblStatus.caption);
    EXPECT_EQ(dialogLine->text(QAccessible::Name).left(22), "Your call: 2, a single");
    click(dialog, "OK");
    EXPECT_EQ(face->text(QAccessible::Name).toStdString(),
              "AI (Classic) kept 55 and threw 3 dice; it calls 5544: two pairs, fives and fours. "
              "Trust it (T) or do not trust it (X).");
    EXPECT_EQ(qobject_cast<QLabel*>(line)->text(), face->text(QAccessible::Name));
}

TEST_F(AccessibilityTest, TheLongestStatusTextsFitTheirLine) {
    signIn();
    auto* line = qobject_cast<QLabel*>(status(table));
    ASSERT_NE(line, nullptr);
    const QString longest = QString::fromStdString(
        "AI kept 1111 and threw 1 die; it calls 11111: five of a kind, aces. Nothing beats it: do "
        "not trust it (X).");
    const QString changing = QString::fromStdString(
        "Mark the dice to throw again (keys 1 to 5): 4 dice marked to throw again. Roll (R) or "
        "cancel (Esc).");
    for (const QString& text : {longest, changing}) {
        line->setText(text);
        EXPECT_LE(line->heightForWidth(line->width()), line->height()) << text.toStdString();
    }
}

TEST_F(AccessibilityTest, TheComputersLogLinesAreHighlightedUntilThePlayerCalls) {
    signIn();
    computer.calls("55441", "5544", "55");
    click(table, "Call1");
    click(dialog, "Option1", 7);
    click(dialog, "OK");
    auto* log = qobject_cast<QPlainTextEdit*>(table.widgetNamed("Text1"));
    ASSERT_NE(log, nullptr);
    const QList<QTextEdit::ExtraSelection> marked = log->extraSelections();
    ASSERT_EQ(marked.size(), 1);
    EXPECT_EQ(marked.front().cursor.block().text(), "AI Call: 5544");
    EXPECT_EQ(marked.front().format.background().color(), logHighlight(log->palette()));

    click(table, "Trust");
    computer.calls("66543", "66655", "666");
    click(table, "Call1");
    click(dialog, "Option1", 33); // three sixes
    click(dialog, "OK");
    ASSERT_EQ(log->extraSelections().size(), 1);
    EXPECT_EQ(log->extraSelections().front().cursor.block().text(), "AI Call: 66655");
}

TEST(LogHighlight, CoversTheLastLinesAndClearsWithZero) {
    QPlainTextEdit log;
    log.setPlainText("one\ntwo\nthree\n");
    highlightLastLines(log, 2);
    ASSERT_EQ(log.extraSelections().size(), 2);
    EXPECT_EQ(log.extraSelections()[0].cursor.block().text(), "three");
    EXPECT_EQ(log.extraSelections()[1].cursor.block().text(), "two");
    highlightLastLines(log, 9);
    EXPECT_EQ(log.extraSelections().size(), 3);
    highlightLastLines(log, 0);
    EXPECT_TRUE(log.extraSelections().empty());
}

} // namespace
} // namespace quintel::qttest
