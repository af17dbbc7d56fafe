#include "desktop/hand_widget.h"

#include <gtest/gtest.h>

namespace quintel::qttest {
namespace {

TEST(HelpPage, ExampleHandsAreDrawnAsTheirDice) {
    const HandWidget hand("66331");
    EXPECT_EQ(hand.faces(), (QList<int>{6, 6, 3, 3, 1}));
    EXPECT_EQ(hand.accessibleName(), "66331");
}

} // namespace
} // namespace quintel::qttest
