#pragma once

#include <QColor>
#include <QList>
#include <QPoint>

class QPainter;
class QRectF;

namespace quintel {

// The colours of a die, the same for the table's dice and the call dialog's pictures.
inline constexpr QRgb kDieFaceColour = 0xffc00000;      // red
inline constexpr QRgb kDiePipColour = 0xfffffaeb;       // light pips
inline constexpr QRgb kDieMarkColour = 0xffffb000;      // outline and badge of a marked die
inline constexpr QRgb kDieLockedColour = 0xff8c8c8c;    // face of a locked die
inline constexpr QRgb kDieLockedPipColour = 0xffe1e1e1; // its pips
inline constexpr QRgb kDieLockInkColour = 0xff282828;   // the padlock's body and shackle

// How a die is drawn.
struct DieLook {
    int face = 0; // 1..6; any other number gives a face without pips
    // Rounded corners (a die of the table) or a plain square (a picture of a face).
    bool rounded = false;
    // Going back into the cup: an outline around the face, within an eighth of the face's side
    // beyond it, and a badge with an X on the top edge.
    bool marked = false;
    // Kept by the last caller: greyed, with a padlock on the bottom edge.
    bool locked = false;
};

// Paints a die face into `square`, as vector shapes so that it stays sharp at any scale. A face
// that is not square spreads its pips over the rectangle.
void paintDie(QPainter& painter, const QRectF& square, const DieLook& look);

// Pip centres for a face 1..6 as (column, row) on a 3 × 3 grid of cells; an empty list for any
// other number.
QList<QPoint> pipCells(int face);

} // namespace quintel
