#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace quintel {

// Where the top-left corner of a window of `size` goes so that it stands beside `anchor` (the
// frame of another window) within `available` (the free area of the anchor's screen): to the
// right of the anchor if it fits there, else to its left, else below it, never covering it. Where
// none of them has room, it stands against the edge of the screen on the anchor's roomier side,
// on the screen and covering as little of the anchor as it can.
QPoint placeBeside(const QRect& anchor, const QSize& size, const QRect& available);

// The top-left corner that keeps `place` within `available`, moved as little as possible; a place
// larger than the screen keeps its top and left edges on it.
QPoint keptWithin(const QRect& place, const QRect& available);

// The inside size of a window that was `size` once it has to fit, with its `frame` around it,
// into `available`: unchanged when it does, else scaled down to fit, keeping its shape. Any size,
// however large (one read from a settings file, say), gives a size that fits; an empty one an
// empty size.
QSize fittedSize(QSize size, QMargins frame, const QRect& available);

// Whether a window whose frame has its top-left corner at `place` and is `frameSize` large lies
// wholly within `available`; any place and size an int holds may be asked about.
bool wholeWithin(QPoint place, QSize frameSize, const QRect& available);

// The top-left corner of a window of `frameSize` that opens in the middle of `available` with a
// companion `companionWidth` wide beside it on its right (0 for none): the two are centred as one.
// Where they do not fit side by side, the window stands against the left edge, so that the
// companion covers the least of it.
QPoint centredWith(QSize frameSize, int companionWidth, const QRect& available);

// The top-left corner of a window of `frameSize` centred on `owner`, kept within `available`.
QPoint centredOn(const QRect& owner, QSize frameSize, const QRect& available);

} // namespace quintel
