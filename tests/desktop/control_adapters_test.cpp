#include "desktop/control_adapters.h"
#include "desktop/die_button_widget.h"
#include "desktop/die_face_widget.h"
#include "desktop/filled_box_widget.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quintel::qttest {
namespace {

// Each adapter's widget, created in a window and wired to record what the player does.
class ControlAdaptersTest : public ::testing::Test {
protected:
    ControlAdapters adapters{QColor(10, 200, 30), "Dice"};
    QWidget window;
    int clicks = 0;
    std::vector<std::string> edits;

    ControlWidget create(ControlKind kind, std::string name = "c", int index = -1,
                         int height = 255) {
        Control control;
        control.name = std::move(name);
        control.index = index;
        control.kind = kind;
        control.place.height = height;
        return adapters.create(control, &window,
                               {.click = [this] { ++clicks; },
                                .edit = [this](std::string text) { edits.push_back(text); }});
    }
    template <typename W> static W* as(const ControlWidget& created) {
        return qobject_cast<W*>(created.widget);
    }
    static Control showing(std::string caption, bool value = false) {
        Control control;
        control.caption = std::move(caption);
        control.value = value;
        return control;
    }
};

TEST_F(ControlAdaptersTest, EachKindGetsItsWidgetAndOnlyTimersNone) {
    using enum ControlKind;
    EXPECT_NE(as<QLabel>(create(Label)), nullptr);
    EXPECT_NE(as<QPlainTextEdit>(create(TextBox, "log", -1, 1215)), nullptr);
    EXPECT_NE(as<QLineEdit>(create(TextBox, "name", -1, 285)), nullptr);
    EXPECT_NE(as<QPushButton>(create(Button, "Roll")), nullptr);
    EXPECT_EQ(as<DieButtonWidget>(create(Button, "Roll")), nullptr);
    EXPECT_NE(as<DieButtonWidget>(create(Button, "Dice", 2)), nullptr);
    EXPECT_NE(as<QCheckBox>(create(CheckBox)), nullptr);
    EXPECT_NE(as<QRadioButton>(create(OptionButton)), nullptr);
    EXPECT_EQ(create(Frame).widget->metaObject(), &QFrame::staticMetaObject);
    EXPECT_EQ(as<FilledBoxWidget>(create(PictureBox))->fill(), QColor(10, 200, 30));
    // A picture's face is its array index + 1, or the digit its name ends in.
    EXPECT_EQ(as<DieFaceWidget>(create(Image, "Image4"))->face(), 4);
    EXPECT_EQ(as<DieFaceWidget>(create(Image, "Image", 5))->face(), 6);
    EXPECT_EQ(create(Timer).widget, nullptr);
    EXPECT_NO_THROW(create(Timer).mirror(showing("20")));
}

TEST_F(ControlAdaptersTest, MirrorsCaptionsTicksAndTheSelectedOption) {
    using enum ControlKind;
    const ControlWidget label = create(Label);
    label.mirror(showing("Fix Any"));
    EXPECT_EQ(as<QLabel>(label)->text(), "Fix Any");

    const ControlWidget button = create(Button, "Call1");
    button.mirror(showing("Call"));
    EXPECT_EQ(as<QPushButton>(button)->text(), "Call");

    const ControlWidget die = create(Button, "Dice", 0);
    die.mirror(showing("3X"));
    EXPECT_EQ(as<DieButtonWidget>(die)->accessibleName(), "3X");
    EXPECT_TRUE(as<DieButtonWidget>(die)->marked());

    const ControlWidget check = create(CheckBox);
    check.mirror(showing("Fix Permanent", true));
    EXPECT_EQ(as<QCheckBox>(check)->text(), "Fix Permanent");
    EXPECT_TRUE(as<QCheckBox>(check)->isChecked());
    check.mirror(showing("Fix Permanent", false));
    EXPECT_FALSE(as<QCheckBox>(check)->isChecked());

    // Two buttons of one frame: the screen may select the other one, or clear both.
    const ControlWidget first = create(OptionButton), second = create(OptionButton);
    first.mirror(showing("", true));
    second.mirror(showing("", false));
    EXPECT_TRUE(as<QRadioButton>(first)->isChecked());
    first.mirror(showing("", false));
    EXPECT_FALSE(as<QRadioButton>(first)->isChecked());
    EXPECT_FALSE(as<QRadioButton>(second)->isChecked());
    second.mirror(showing("", true));
    EXPECT_TRUE(as<QRadioButton>(second)->isChecked());
}

TEST_F(ControlAdaptersTest, TextBoxesShowLineFeedsAndKeepTheCursorWhenTheTextStays) {
    const ControlWidget log = create(ControlKind::TextBox, "Text1", -1, 1215);
    auto* box = as<QPlainTextEdit>(log);
    log.mirror(showing("Ann Call: 2\r\nAI Call: 33\r\n"));
    EXPECT_EQ(box->toPlainText(), "Ann Call: 2\nAI Call: 33\n");
    EXPECT_EQ(box->textCursor().position(), box->toPlainText().size()) << "newest line in view";
    box->moveCursor(QTextCursor::Start);
    log.mirror(showing("Ann Call: 2\r\nAI Call: 33\r\n"));
    EXPECT_EQ(box->textCursor().position(), 0);
    EXPECT_FALSE(log.takesFirstFocus);
    EXPECT_TRUE(log.takesTyping);
    EXPECT_EQ(box->focusPolicy(), Qt::ClickFocus) << "no Tab into a log";
    edits.clear(); // a log reports every change; the window ignores those of its own mirroring

    const ControlWidget field = create(ControlKind::TextBox, "txtName", -1, 285);
    auto* line = as<QLineEdit>(field);
    field.mirror(showing("Ann"));
    EXPECT_EQ(line->text(), "Ann");
    line->setCursorPosition(1);
    field.mirror(showing("Ann"));
    EXPECT_EQ(line->cursorPosition(), 1);
    EXPECT_TRUE(field.takesFirstFocus);
    EXPECT_TRUE(field.takesTyping);
    EXPECT_TRUE(edits.empty()) << "a field's mirror is not typing";
}

TEST_F(ControlAdaptersTest, ForwardsClicksOfTheButtonKindsAndTypingWithCarriageReturnLineFeed) {
    using enum ControlKind;
    as<QPushButton>(create(Button))->click();
    as<DieButtonWidget>(create(Button, "Dice", 4))->click();
    as<QCheckBox>(create(CheckBox))->click();
    as<QRadioButton>(create(OptionButton))->click();
    EXPECT_EQ(clicks, 4);

    QTest::keyClicks(as<QLineEdit>(create(TextBox, "txtName")), "Al");
    EXPECT_EQ(edits, (std::vector<std::string>{"A", "Al"}));
    edits.clear();
    auto* log = as<QPlainTextEdit>(create(TextBox, "Text2", -1, 1215));
    QTest::keyClicks(log, "x");
    QTest::keyClick(log, Qt::Key_Return);
    EXPECT_EQ(edits, (std::vector<std::string>{"x", "x\r\n"}));
}

} // namespace
} // namespace quintel::qttest
