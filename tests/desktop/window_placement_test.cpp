#include "desktop/window_placement.h"

#include <gtest/gtest.h>

namespace quintel {
namespace {

const QRect kScreen(0, 0, 800, 600);
const QSize kDialog(312, 272);

TEST(PlaceBeside, RightThenLeftThenBelowTheAnchorNeverOverIt) {
    struct Case {
        QRect anchor;
        QPoint expected;
    };
    const Case cases[] = {
        {{0, 0, 312, 272}, {320, 0}},       // room on the right
        {{480, 100, 312, 272}, {160, 100}}, // against the right edge: on the left
        {{250, 0, 312, 272}, {250, 280}},   // room on neither side: below
        {{0, 400, 312, 272}, {320, 328}},   // kept on the screen upwards
    };
    for (const Case& c : cases) {
        const QPoint place = placeBeside(c.anchor, kDialog, kScreen);
        EXPECT_EQ(place, c.expected) << c.anchor.x() << "," << c.anchor.y();
        EXPECT_FALSE(QRect(place, kDialog).intersects(c.anchor));
    }
}

TEST(PlaceBeside, WithoutRoomAroundTheAnchorStaysOnTheScreenOnItsRoomierSide) {
    EXPECT_EQ(placeBeside({0, 0, 600, 600}, kDialog, kScreen), QPoint(800 - 312, 0));
    EXPECT_EQ(placeBeside({250, 100, 550, 500}, kDialog, kScreen), QPoint(0, 100));
}

TEST(PlaceBeside, HonoursAScreenThatDoesNotStartAtTheOrigin) {
    const QRect second(800, 0, 800, 600);
    EXPECT_EQ(placeBeside({1300, 50, 312, 272}, kDialog, second), QPoint(980, 50));
    EXPECT_EQ(placeBeside({800, 0, 312, 272}, kDialog, second), QPoint(1120, 0));
}

TEST(KeptWithin, MovesAPlaceBackOntoTheScreenOnlyAsFarAsNeeded) {
    const QRect second(800, 0, 800, 600);
    EXPECT_EQ(keptWithin({900, 100, 200, 100}, second), QPoint(900, 100)) << "already within";
    EXPECT_EQ(keptWithin({1500, 550, 200, 100}, second), QPoint(1400, 500)) << "past the far edges";
    EXPECT_EQ(keptWithin({700, -20, 200, 100}, second), QPoint(800, 0)) << "before the near edges";
    EXPECT_EQ(keptWithin({1000, 100, 900, 700}, second), QPoint(800, 0))
        << "larger than the screen";
}

TEST(FittedSize, ShrinksWhatWouldNotFitWithItsFrameKeepingItsShape) {
    const QRect small(0, 0, 1366, 768);
    const QMargins frame(1, 24, 1, 1);
    struct Case {
        QSize kept;
        QSize expected;
    };
    const Case cases[] = {
        {{624, 530}, {624, 530}},               // fits as it is
        {{1364, 743}, {1364, 743}},             // fits to the pixel with its frame
        {{936, 900}, {772, 743}},               // a table kept on a full HD screen
        {{5000, 4000}, {928, 743}},             // by hand in the settings file
        {{2147483647, 2147483647}, {743, 743}}, // the largest the file can say
        {{2147483647, 10}, {1364, 1}},          // the thinnest shape keeps a pixel
        {{0, 500}, {}},                         // nothing a window could have had
        {{-5, 500}, {}},
    };
    for (const Case& c : cases) {
        const QSize fitted = fittedSize(c.kept, frame, small);
        EXPECT_EQ(fitted, c.expected) << c.kept.width() << "x" << c.kept.height();
        EXPECT_TRUE(fitted.isEmpty() || QRect(QPoint(), fitted.grownBy(frame)).width() <= 1366);
    }
    EXPECT_EQ(fittedSize({900, 700}, {}, QRect(1920, 0, 1366, 768).adjusted(0, 0, 0, -100)),
              QSize(858, 668))
        << "a second screen with a panel";
}

TEST(WholeWithin, HoldsForAWindowTouchingTheEdgesAndNoneReachingPastThem) {
    const QRect second(1920, 0, 1366, 768);
    const QSize frame(602, 525);
    EXPECT_TRUE(wholeWithin({2000, 40}, frame, second));
    EXPECT_TRUE(wholeWithin({1920, 0}, frame, second));
    EXPECT_TRUE(wholeWithin({1920 + 1366 - 602, 768 - 525}, frame, second)) << "the far corner";
    for (const QPoint kept : {QPoint(1919, 40), QPoint(2800, 40), QPoint(2000, 244), QPoint(0, 0),
                              QPoint(2147483647, 2147483647), QPoint(-2147483647 - 1, 0)}) {
        EXPECT_FALSE(wholeWithin(kept, frame, second)) << kept.x() << "," << kept.y();
    }
    EXPECT_FALSE(wholeWithin({1920, 0}, {2147483647, 2147483647}, second));
}

TEST(CentredWith, CentresAWindowAndTheDialogBesideItAsOne) {
    const QRect second(1920, 0, 1920, 1080);
    EXPECT_EQ(centredWith({640, 600}, 0, second), QPoint(1920 + 640, 240)) << "alone";
    EXPECT_EQ(centredWith({640, 600}, 632, second), QPoint(1920 + 320, 240))
        << "with a dialog as wide: 640 + 8 + 632 pixels in the middle";
    EXPECT_EQ(centredWith({776, 768}, 626, QRect(0, 0, 1366, 768)), QPoint(0, 0))
        << "no room for both: the window at the left edge";
}

TEST(CentredOn, StandsInTheMiddleOfItsOwnerAndOnTheScreen) {
    EXPECT_EQ(centredOn({100, 100, 400, 300}, {200, 100}, kScreen), QPoint(200, 200));
    EXPECT_EQ(centredOn({600, 450, 200, 150}, {400, 300}, kScreen), QPoint(400, 300))
        << "an owner in the corner: kept on the screen";
}

} // namespace
} // namespace quintel
