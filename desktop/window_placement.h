#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace quintel {

// Where the top-left corner of a window of `size` goes so that it stands beside `anchor` (the
// frame of another window) within `available` (the free area of the anchor's screen): to the
// right of the anchor if it fits there, else to its left, else below it. Either way it never
// covers the anchor; only below may it run off the screen, when nothing fits.
QPoint placeBeside(const QRect& anchor, const QSize& size, const QRect& available);

// The top-left corner that keeps `place` within `available`, moved as little as possible; a place
// larger than the screen keeps its top and left edges on it.
QPoint keptWithin(const QRect& place, const QRect& available);

} // namespace quintel
