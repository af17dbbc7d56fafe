#include "app/picture_widget.h"

#include <QImage>

#include <gtest/gtest.h>

namespace quintel {
namespace {

// Whether the face drawn at 30 × 30 pixels shows a pip in the cell (column, row) of its 3 × 3 grid.
bool pipAt(int face, int column, int row) {
    DieFaceWidget die(face);
    die.resize(30, 30);
    const QColor centre = die.grab().toImage().pixelColor(10 * column + 5, 10 * row + 5);
    return centre.green() > 128;
}

TEST(DieFace, DrawsEachFaceWithItsPipsOnARedSquare) {
    const char* const expected[] = {
        // rows of the grid, one string per face
        "... .x. ...", "x.. ... ..x", "x.. .x. ..x", "x.x ... x.x", "x.x .x. x.x", "x.x x.x x.x",
    };
    for (int face = 1; face <= 6; ++face) {
        std::string drawn;
        for (int row = 0; row < 3; ++row) {
            for (int column = 0; column < 3; ++column) {
                drawn += pipAt(face, column, row) ? 'x' : '.';
            }
            drawn += row < 2 ? " " : "";
        }
        EXPECT_EQ(drawn, expected[face - 1]) << "face " << face;
    }
}

TEST(DieFace, BackgroundIsRed) {
    DieFaceWidget die(1);
    die.resize(30, 30);
    const QColor corner = die.grab().toImage().pixelColor(1, 1);
    EXPECT_GT(corner.red(), 150);
    EXPECT_LT(corner.green(), 50);
    EXPECT_LT(corner.blue(), 50);
}

TEST(DieFace, NoFaceMeansNoPips) {
    EXPECT_TRUE(DieFaceWidget::pipCells(0).isEmpty());
}

} // namespace
} // namespace quintel
