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

} // namespace
} // namespace quintel
