#include "desktop/die_face_widget.h"

#include <gtest/gtest.h>

namespace quintel {
namespace {

TEST(DieFace, DrawsLightPipsOfItsFaceOnARedSquare) {
    const char* const expected[] = {"....x....", "x.......x", "x...x...x",
                                    "x.x...x.x", "x.x.x.x.x", "x.xx.xx.x"};
    for (int face = 1; face <= 6; ++face) {
        DieFaceWidget die(face);
        die.resize(30, 30);
        const QImage image = die.grab().toImage();
        std::string drawn;
        for (int cell = 0; cell < 9; ++cell) {
            const QColor centre = image.pixelColor(10 * (cell % 3) + 5, 10 * (cell / 3) + 5);
            drawn += centre.green() > 128 ? 'x' : '.';
        }
        EXPECT_EQ(drawn, expected[face - 1]) << "face " << face;
        EXPECT_EQ(image.pixelColor(1, 1).green(), 0) << "face " << face;
    }
}

} // namespace
} // namespace quintel
