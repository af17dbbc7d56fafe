#include "desktop/die_painter.h"

#include <QImage>
#include <QPainter>
#include <QSet>

#include <gtest/gtest.h>

namespace quintel {
namespace {

// A die painted on white into the square 10..50 of a 60-pixel image; its pip cells are 40 / 3
// pixels wide.
QImage painted(const DieLook& look) {
    QImage image(60, 60, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintDie(painter, QRectF(10, 10, 40, 40), look);
    return image;
}

QColor at(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

QPoint cellCentre(int column, int row) {
    return {10 + 40 * column / 3 + 6, 10 + 40 * row / 3 + 6};
}

TEST(DiePainter, EveryFaceHasItsNumberOfPipsLaidOutAsOnARealDie) {
    for (int face = 1; face <= 6; ++face) {
        const QList<QPoint> cells = pipCells(face);
        EXPECT_EQ(cells.size(), face);
        const QSet<QPoint> distinct(cells.begin(), cells.end());
        EXPECT_EQ(distinct.size(), face) << face;
        for (const QPoint& cell : cells) {
            EXPECT_TRUE(cell.x() >= 0 && cell.x() <= 2 && cell.y() >= 0 && cell.y() <= 2);
            // A die face looks the same turned half round.
            EXPECT_TRUE(distinct.contains(QPoint(2 - cell.x(), 2 - cell.y()))) << face;
            // The middle of the top and bottom edge stays free for the badge and the padlock.
            EXPECT_FALSE(cell.x() == 1 && cell.y() != 1) << face;
        }
        EXPECT_EQ(distinct.contains(QPoint(1, 1)), face % 2 == 1) << face;
    }
    EXPECT_TRUE(pipCells(0).isEmpty());
    EXPECT_TRUE(pipCells(7).isEmpty());
}

TEST(DiePainter, PicturesAreRedSquaresAndTableDiceHaveRoundedCorners) {
    const QImage picture = painted({.face = 5});
    const QImage die = painted({.face = 5, .rounded = true});
    for (const QImage& image : {picture, die}) {
        EXPECT_EQ(at(image, 30, 30), QColor::fromRgb(kDiePipColour));
        EXPECT_EQ(at(image, cellCentre(1, 0).x(), cellCentre(1, 0).y()),
                  QColor::fromRgb(kDieFaceColour));
        EXPECT_EQ(at(image, 9, 30), QColor(Qt::white)) << "nothing outside an unmarked die";
    }
    EXPECT_EQ(at(picture, 10, 10), QColor::fromRgb(kDieFaceColour));
    EXPECT_EQ(at(die, 10, 10), QColor(Qt::white));

    const QImage blank = painted({.face = 0, .rounded = true});
    for (int cell = 0; cell < 9; ++cell) {
        const QPoint centre = cellCentre(cell % 3, cell / 3);
        EXPECT_EQ(at(blank, centre.x(), centre.y()), QColor::fromRgb(kDieFaceColour)) << cell;
    }
}

TEST(DiePainter, AMarkedDieHasAnOutlineAndABadgeALockedOneIsGreyWithAPadlock) {
    const QImage marked = painted({.face = 2, .rounded = true, .marked = true});
    EXPECT_EQ(at(marked, 7, 30), QColor::fromRgb(kDieMarkColour));
    EXPECT_EQ(at(marked, 30, 7), QColor::fromRgb(kDieMarkColour));
    EXPECT_EQ(at(marked, 30, 12), QColor(60, 40, 0)) << "the badge's X";
    EXPECT_EQ(at(marked, 30, 48), QColor::fromRgb(kDieFaceColour)) << "no padlock";

    const QImage locked = painted({.face = 2, .rounded = true, .locked = true});
    EXPECT_EQ(at(locked, 30, 30), QColor::fromRgb(kDieLockedColour));
    const QPoint pip = cellCentre(0, 0);
    EXPECT_EQ(at(locked, pip.x(), pip.y()), QColor::fromRgb(kDieLockedPipColour));
    EXPECT_EQ(at(locked, 30, 50), QColor::fromRgb(kDieLockInkColour)) << "the padlock's body";
    EXPECT_EQ(at(locked, 7, 30), QColor(Qt::white)) << "no outline";
    EXPECT_EQ(at(locked, 30, 12), QColor::fromRgb(kDieLockedColour)) << "no badge";
}

} // namespace
} // namespace quintel
