#include "app/picture_widget.h"
#include "app/screen_view.h"
#include "tests/qt/fake_screen.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace quintel::qttest {
namespace {

class ScreenViewTest : public ::testing::Test {
protected:
    GameContext context;
    FakeScreen screen{context.game};
    ScreenView view{screen, ScreenView::Style{.pictureFill = QColor(10, 200, 30)}};

    void open() {
        screen.Show();
        view.sync();
        view.show();
    }

    template <typename W> W* widget(const Control& control) {
        auto* found = qobject_cast<W*>(view.widgetFor(control));
        EXPECT_NE(found, nullptr) << control.name;
        return found;
    }
};

TEST_F(ScreenViewTest, HasNoControlWidgetsBeforeItsScreenIsLoaded) {
    view.sync();
    EXPECT_EQ(view.widgetFor(screen.go), nullptr);
    EXPECT_TRUE(view.clientArea()->findChildren<QWidget*>().isEmpty());
}

TEST_F(ScreenViewTest, ClientAreaAndControlsArePlacedInPixelsOfFifteenTwips) {
    open();
    EXPECT_EQ(view.clientArea()->size(), QSize(312, 253));
    EXPECT_EQ(view.windowTitle(), "Fake");
    EXPECT_EQ(widget<QLabel>(screen.title)->geometry(), QRect(8, 8, 113, 17));
    EXPECT_EQ(widget<QPlainTextEdit>(screen.log)->geometry(), QRect(16, 24, 145, 81));
    EXPECT_EQ(widget<QLineEdit>(screen.entry)->geometry(), QRect(96, 120, 129, 19));
    EXPECT_EQ(widget<QPushButton>(screen.go)->geometry(), QRect(176, 184, 49, 25));
    EXPECT_EQ(widget<QFrame>(screen.frame)->geometry(), QRect(64, 216, 153, 17));
    EXPECT_EQ(widget<DieFaceWidget>(screen.face)->geometry(), QRect(16, 40, 21, 21));
    EXPECT_EQ(view.widgetFor(screen.timer), nullptr);
}

TEST_F(ScreenViewTest, OptionButtonsSitInTheirFrameAtPlacesRelativeToIt) {
    open();
    auto* frame = widget<QFrame>(screen.frame);
    auto* second = widget<QRadioButton>(screen.choice[1]);
    EXPECT_EQ(second->parentWidget(), frame);
    EXPECT_EQ(second->geometry(), QRect(32, 0, 17, 17));
    EXPECT_TRUE(second->text().isEmpty());
}

TEST_F(ScreenViewTest, MirrorsCaptionsStatesAndValuesOnEverySync) {
    open();
    auto* go = widget<QPushButton>(screen.go);
    EXPECT_EQ(go->text(), "Go");
    EXPECT_TRUE(go->isVisible());
    EXPECT_FALSE(widget<QPushButton>(screen.stop)->isEnabled());

    screen.go.caption = "5X";
    screen.go.visible = false;
    screen.stop.enabled = true;
    screen.title.caption = "Fix Any";
    screen.tick.value = true;
    screen.choice[0].value = false;
    screen.choice[2].value = true;
    screen.windowCaption = "Quintel";
    view.sync();

    EXPECT_EQ(go->text(), "5X");
    EXPECT_FALSE(go->isVisible());
    EXPECT_TRUE(widget<QPushButton>(screen.stop)->isEnabled());
    EXPECT_EQ(widget<QLabel>(screen.title)->text(), "Fix Any");
    EXPECT_TRUE(widget<QCheckBox>(screen.tick)->isChecked());
    EXPECT_FALSE(widget<QRadioButton>(screen.choice[0])->isChecked());
    EXPECT_TRUE(widget<QRadioButton>(screen.choice[2])->isChecked());
    EXPECT_EQ(view.windowTitle(), "Quintel");
}

TEST_F(ScreenViewTest, AFrameCanBeLeftWithNoOptionSelected) {
    open();
    screen.choice[0].value = false;
    view.sync();
    for (const Control& option : screen.choice) {
        EXPECT_FALSE(widget<QRadioButton>(option)->isChecked()) << option.index;
    }
}

TEST_F(ScreenViewTest, ClickingAButtonRunsItsHandlerAndReportsTheEvent) {
    open();
    QSignalSpy handled(&view, &ScreenView::handled);
    QTest::mouseClick(widget<QPushButton>(screen.go), Qt::LeftButton);
    EXPECT_EQ(screen.goClicks, 1);
    EXPECT_EQ(handled.count(), 1);

    QTest::mouseClick(widget<QPushButton>(screen.stop), Qt::LeftButton);
    EXPECT_EQ(handled.count(), 1);
}

TEST_F(ScreenViewTest, CheckBoxShowsWhatItsHandlerMadeOfTheClick) {
    open();
    auto* tick = widget<QCheckBox>(screen.tick);
    tick->click();
    view.sync();
    EXPECT_TRUE(screen.tick.value);
    EXPECT_TRUE(tick->isChecked());

    // A screen that ignores the click keeps the box as it was.
    screen.tick.click = [] {};
    tick->click();
    EXPECT_FALSE(tick->isChecked());
    view.sync();
    EXPECT_TRUE(tick->isChecked());
}

TEST_F(ScreenViewTest, ClickingAnOptionButtonLetsTheScreenSelectIt) {
    open();
    QTest::mouseClick(widget<QRadioButton>(screen.choice[2]), Qt::LeftButton);
    view.sync();
    EXPECT_FALSE(screen.choice[0].value);
    EXPECT_TRUE(screen.choice[2].value);
    EXPECT_FALSE(widget<QRadioButton>(screen.choice[0])->isChecked());
    EXPECT_TRUE(widget<QRadioButton>(screen.choice[2])->isChecked());
}

TEST_F(ScreenViewTest, TypingInAOneLineBoxHandsEachNewTextToTheScreen) {
    open();
    auto* entry = widget<QLineEdit>(screen.entry);
    QTest::keyClicks(entry, "Ann");
    EXPECT_EQ(screen.entries, (std::vector<std::string>{"A", "An", "Ann"}));

    // The screen did not keep the text, so the box shows the screen's text again.
    view.sync();
    EXPECT_TRUE(entry->text().isEmpty());
}

TEST_F(ScreenViewTest, LogShowsLinesAndHandsTypedLinesBackWithCarriageReturns) {
    open();
    screen.log.caption = "Ann Call: 2\r\nAI Call: 33\r\n";
    view.sync();
    auto* log = widget<QPlainTextEdit>(screen.log);
    EXPECT_EQ(log->toPlainText(), "Ann Call: 2\nAI Call: 33\n");
    EXPECT_TRUE(screen.logEdits.empty());

    log->moveCursor(QTextCursor::End);
    QTest::keyClicks(log, "x");
    QTest::keyClick(log, Qt::Key_Return);
    ASSERT_FALSE(screen.logEdits.empty());
    EXPECT_EQ(screen.logEdits.back(), "Ann Call: 2\r\nAI Call: 33\r\nx\r\n");
}

TEST_F(ScreenViewTest, TextBoxKeepsItsCursorWhileItsTextStaysTheSame) {
    open();
    screen.log.caption = "one\r\ntwo";
    screen.entry.caption = "Ann";
    view.sync();
    auto* log = widget<QPlainTextEdit>(screen.log);
    auto* entry = widget<QLineEdit>(screen.entry);
    QTextCursor cursor = log->textCursor();
    cursor.setPosition(2);
    log->setTextCursor(cursor);
    entry->setCursorPosition(1);

    view.sync();
    EXPECT_EQ(log->textCursor().position(), 2);
    EXPECT_EQ(entry->cursorPosition(), 1);

    screen.log.caption = "one\r\ntwo\r\nthree";
    view.sync();
    EXPECT_EQ(log->textCursor().position(), log->toPlainText().size());
}

TEST_F(ScreenViewTest, AHandlerMayRedesignItsOwnControl) {
    open();
    screen.go.click = [this] {
        screen.Unload();
        screen.Load();
        screen.title.caption = "again";
    };
    widget<QPushButton>(screen.go)->click();
    EXPECT_EQ(screen.title.caption, "again");
    view.sync();
    EXPECT_EQ(widget<QLabel>(screen.title)->text(), "again");
}

TEST_F(ScreenViewTest, CloseBoxAsksTheScreenAndLeavesTheWindowToIt) {
    open();
    screen.unloadOnClose = false;
    QSignalSpy handled(&view, &ScreenView::handled);
    view.close();
    EXPECT_EQ(screen.closes, 1);
    EXPECT_EQ(handled.count(), 1);
    EXPECT_TRUE(view.isVisible());
}

TEST_F(ScreenViewTest, TabVisitsTheControlsInTheirTabOrder) {
    open();
    std::vector<QWidget*> order;
    QWidget* first = view.widgetFor(screen.log);
    QWidget* next = first;
    do {
        if (next->focusPolicy() & Qt::TabFocus && view.clientArea()->isAncestorOf(next)) {
            order.push_back(next);
        }
        next = next->nextInFocusChain();
    } while (next != first);
    const std::vector<QWidget*> expected{view.widgetFor(screen.log), view.widgetFor(screen.entry),
                                         view.widgetFor(screen.stop), view.widgetFor(screen.go),
                                         view.widgetFor(screen.tick)};
    EXPECT_EQ(order, expected);
}

TEST_F(ScreenViewTest, MenuBarHoldsHelpRuleAndAboutInThatOrder) {
    QStringList captions;
    for (QAction* action : view.menuBar()->actions()) {
        captions << action->text();
    }
    EXPECT_EQ(captions, (QStringList{"Help", "Rule", "About"}));
    EXPECT_EQ(view.menuAction("Rule"), view.menuBar()->actions().at(1));
    EXPECT_EQ(view.menuAction("Exit"), nullptr);
}

TEST_F(ScreenViewTest, PictureBoxIsFilledWithTheStyleColour) {
    open();
    const QImage image = view.widgetFor(screen.picture)->grab().toImage();
    EXPECT_EQ(image.pixelColor(8, 8), QColor(10, 200, 30));
    EXPECT_EQ(image.pixelColor(16, 16), QColor(10, 200, 30));
}

TEST_F(ScreenViewTest, ImageShowsTheFaceNamedByItsNumber) {
    open();
    EXPECT_EQ(widget<DieFaceWidget>(screen.face)->face(), 5);
}

} // namespace
} // namespace quintel::qttest
