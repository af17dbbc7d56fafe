#include "desktop/die_button_widget.h"
#include "desktop/die_painter.h"
#include "desktop/screen_window.h"
#include "tests/desktop/fake_screen.h"

#include <QPushButton>

#include <gtest/gtest.h>

namespace quintel::qttest {
namespace {

QImage drawn(const QString& caption, bool enabled = true) {
    DieButtonWidget die;
    die.setCaption(caption);
    die.setEnabled(enabled);
    die.resize(60, 60);
    return die.grab().toImage();
}

bool isColour(const QImage& image, QPoint at, QRgb colour) {
    return image.pixelColor(at) == QColor::fromRgb(colour);
}

// The face square of a 60-pixel die spans 6..54, so its pip cells are 16 pixels wide.
QPoint cellCentre(int column, int row) {
    return {6 + 16 * column + 8, 6 + 16 * row + 8};
}

TEST(DieButton, PipsOfTheCaptionsFaceAlsoWhenMarked) {
    for (const char* caption : {"3", "3X"}) {
        const QImage image = drawn(caption);
        EXPECT_TRUE(isColour(image, cellCentre(0, 0), kDiePipColour)) << caption;
        EXPECT_TRUE(isColour(image, cellCentre(1, 1), kDiePipColour)) << caption;
        EXPECT_TRUE(isColour(image, cellCentre(2, 2), kDiePipColour)) << caption;
        EXPECT_TRUE(isColour(image, cellCentre(2, 0), kDieFaceColour)) << caption;
        EXPECT_TRUE(isColour(image, cellCentre(0, 2), kDieFaceColour)) << caption;
    }
}

TEST(DieButton, MarkedDieHasTheOutlineAndALockedDieIsGrey) {
    const QPoint besideFace(4, 30); // between the face's left edge and the button's
    EXPECT_FALSE(isColour(drawn("4"), besideFace, kDieMarkColour));
    EXPECT_TRUE(isColour(drawn("4X"), besideFace, kDieMarkColour));

    const QImage locked = drawn("4", false);
    EXPECT_TRUE(isColour(locked, {30, 10}, kDieLockedColour));
    EXPECT_FALSE(isColour(locked, cellCentre(0, 0), kDieFaceColour));
}

// A die left disabled by an earlier lock and then marked is thrown by Roll: it is drawn marked, in
// the colours of a live die and without the padlock.
TEST(DieButton, ADisabledDieMarkedForAThrowIsDrawnMarkedNotLocked) {
    const QPoint besideFace(4, 30);
    const QPoint padlock(30, 52); // the middle of the lock's body, on the face's bottom edge
    const QImage locked = drawn("4", false);
    EXPECT_EQ(locked.pixelColor(padlock), QColor(40, 40, 40));

    const QImage marked = drawn("4X", false);
    EXPECT_TRUE(isColour(marked, besideFace, kDieMarkColour));
    EXPECT_TRUE(isColour(marked, padlock, kDieFaceColour));
    EXPECT_TRUE(isColour(marked, cellCentre(0, 1), kDieFaceColour));
    EXPECT_TRUE(isColour(marked, cellCentre(0, 0), kDiePipColour));

    DieButtonWidget die;
    die.setCaption("4X");
    die.setEnabled(false);
    EXPECT_FALSE(die.locked());
    die.setCaption("4");
    EXPECT_TRUE(die.locked());
}

TEST(DieButton, TheTablesDiceButtonsAreDiceNamedByTheirCaption) {
    FakeScreen screen;
    ScreenWindow window{screen, {.dieButtons = "go"}};
    screen.Show();
    screen.go.caption = "5X";
    window.sync();
    auto* die = qobject_cast<DieButtonWidget*>(window.widgetFor(screen.go));
    ASSERT_NE(die, nullptr);
    EXPECT_EQ(qobject_cast<DieButtonWidget*>(window.widgetFor(screen.stop)), nullptr);
    EXPECT_EQ(die->text(), "5X");
    EXPECT_EQ(die->accessibleName(), "5X");
    EXPECT_EQ(die->face(), 5);
    EXPECT_TRUE(die->marked());

    screen.go.caption = "2";
    window.sync();
    EXPECT_EQ(die->accessibleName(), "2");
    EXPECT_FALSE(die->marked());
}

} // namespace
} // namespace quintel::qttest
