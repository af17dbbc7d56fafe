#include "desktop/die_button_widget.h"
#include "desktop/qt_message_boxes.h"
#include "desktop/screen_window.h"
#include "desktop/windows.h"
#include "tests/desktop/fake_screen.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>

#include <gtest/gtest.h>

// These tests run twice: at the usual font resolution, and with QT_FONT_DPI=144.

namespace quintel::qttest {
namespace {

const QString kLongName = QStringLiteral("Bartholomew Fitzwilliam-Smythe");

// Where the style draws a caption: a label's contents, a button's label part beside its
// indicator or inside its bevel.
QRect textRect(const QWidget& widget) {
    QStyleOptionButton option;
    option.initFrom(&widget);
    const QStyle& style = *widget.style();
    if (qobject_cast<const QPushButton*>(&widget) != nullptr) {
        return style.subElementRect(QStyle::SE_PushButtonContents, &option, &widget);
    }
    if (qobject_cast<const QCheckBox*>(&widget) != nullptr) {
        return style.subElementRect(QStyle::SE_CheckBoxContents, &option, &widget);
    }
    if (qobject_cast<const QRadioButton*>(&widget) != nullptr) {
        return style.subElementRect(QStyle::SE_RadioButtonContents, &option, &widget);
    }
    return widget.contentsRect();
}

QString shownText(const QWidget& widget) {
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        return label->text();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        return button->text();
    }
    return {};
}

// The game signed in with a long name, the call dialog open and the welcome window shown again
// beside them.
class CaptionFitTest : public ::testing::Test {
protected:
    GameContext context;
    Game& game = context.game;
    Windows windows{game, [] {}};

    CaptionFitTest() {
        game.start();
        windows.refresh();
        game.formWelcome.txtName.edited(kLongName.toStdString());
        game.formWelcome.btnOK.click();
        game.formStart.Call1.click();
        windows.refresh();
        windows.windowOf(game.formWelcome).show();
    }

    void expectEveryCaptionFits(ScreenWindow& window, double factor) {
        for (Control* control : window.screen().controls()) {
            QWidget* widget = window.widgetFor(*control);
            const QString text = widget != nullptr ? shownText(*widget) : QString();
            if (text.isEmpty() || qobject_cast<DieButtonWidget*>(widget) != nullptr) {
                continue;
            }
            const QFontMetrics metrics(widget->font());
            const QRect room = textRect(*widget);
            const std::string where = window.windowTitle().toStdString() + " " + control->name +
                                      "(" + std::to_string(control->index) + ") at " +
                                      std::to_string(factor);
            EXPECT_LE(metrics.horizontalAdvance(text), room.width()) << where;
            EXPECT_LE(metrics.height(), room.height()) << where;
            if (control->name != "lblName") {
                EXPECT_EQ(text.toStdString(), control->caption) << where << ": shrunk, not cut";
            }
        }
    }
};

TEST_F(CaptionFitTest, EveryCaptionFitsItsControlAtEveryFactor) {
    for (ScreenWindow* window :
         {&windows.windowOf(game.formWelcome), &windows.windowOf(game.formStart),
          &windows.windowOf(game.formCall)}) {
        for (const double factor : {1.0, 1.5, 2.0, 3.0}) {
            window->setScaleFactor(factor);
            ASSERT_EQ(window->scaleFactor(), factor);
            expectEveryCaptionFits(*window, factor);
        }
    }
}

TEST_F(CaptionFitTest, ANameTooLongForItsLabelIsCutShortWithTheWholeNameAsItsHint) {
    ScreenWindow& table = windows.windowOf(game.formStart);
    for (const double factor : {1.0, 1.5, 2.0, 3.0}) {
        table.setScaleFactor(factor);
        auto* name = qobject_cast<QLabel*>(table.widgetNamed("lblName", 0));
        EXPECT_TRUE(name->text().endsWith(QChar(0x2026))) << name->text().toStdString();
        EXPECT_TRUE(kLongName.startsWith(name->text().chopped(1)));
        EXPECT_EQ(name->toolTip(), kLongName);
        EXPECT_EQ(name->font().pixelSize(), table.designFont().pixelSize()) << "not shrunk";
        auto* computer = qobject_cast<QLabel*>(table.widgetNamed("lblName", 1));
        EXPECT_EQ(computer->text(), "AI");
        EXPECT_EQ(computer->toolTip(), "The computer you play: Classic");
    }
}

TEST(CaptionFit, ACaptionTooLongForItsButtonShrinksUntilItFitsAndGrowsBackWhenShort) {
    FakeScreen screen;
    screen.Show();
    ScreenWindow window(screen);
    window.show();
    auto* go = qobject_cast<QPushButton*>(window.widgetFor(screen.go));
    screen.go.caption = "Throw every marked die once more";
    window.sync();
    EXPECT_LT(go->font().pixelSize(), 11);
    EXPECT_LE(QFontMetrics(go->font()).horizontalAdvance(go->text()), textRect(*go).width());
    EXPECT_EQ(go->text().toStdString(), screen.go.caption);
    EXPECT_EQ(go->toolTip(), "") << "the whole caption is shown";

    screen.go.caption = "Go";
    window.sync();
    EXPECT_EQ(go->font().pixelSize(), 11);
}

// The status line with the coach's line under it is the longest text of the table: wrapped, it
// keeps within its lines at every factor.
TEST_F(CaptionFitTest, TheStatusLineWithTheCoachKeepsWithinItsLines) {
    ScreenWindow& table = windows.windowOf(game.formStart);
    const std::string longest =
        "AI threw all five dice; it calls 11226: two pairs, aces and twos. Trust it (T) or do not "
        "trust it (X).\nTrust 46 %, do not trust 46 %.";
    for (const double factor : {1.0, 1.5, 2.0, 3.0}) {
        table.setScaleFactor(factor);
        game.formStart.lblStatus.caption = longest;
        table.sync();
        auto* status = qobject_cast<QLabel*>(table.widgetFor(game.formStart.lblStatus));
        ASSERT_NE(status, nullptr);
        const QRect room = status->contentsRect();
        const QRect needed =
            QFontMetrics(status->font())
                .boundingRect(QRect(0, 0, room.width(), 0), Qt::TextWordWrap, status->text());
        EXPECT_LE(needed.height(), room.height()) << "at " << factor;
        EXPECT_EQ(status->text().toStdString(), longest);
    }
}

TEST(CaptionFit, AMessageBoxIsAtLeastAsWideAsItsTitle) {
    QtMessageBoxes boxes;
    int boxWidth = 0, titleWidth = 0;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        boxWidth = box->width();
        const QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
        titleWidth = QFontMetrics(titleFont).horizontalAdvance(box->windowTitle());
        box->accept();
    });
    boxes.show("1", MessageButtons::Ok);
    EXPECT_GT(titleWidth, 0);
    EXPECT_GE(boxWidth, titleWidth);
}

} // namespace
} // namespace quintel::qttest
