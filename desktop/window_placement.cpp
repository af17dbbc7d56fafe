#include "desktop/window_placement.h"

#include <algorithm>

namespace quintel {

namespace {

// A small gap, so that the two windows read as two.
constexpr int kGap = 8;

// The span's start that keeps it within [lowest, highestEnd), or at lowest when it is longer.
int keptWithin(int start, int length, int lowest, int highestEnd) {
    return std::max(lowest, std::min(start, highestEnd - length));
}

// The top edge that keeps a window of `height` beside the anchor and on the screen.
int topBeside(const QRect& anchor, int height, const QRect& available) {
    return keptWithin(anchor.top(), height, available.top(), available.bottom() + 1);
}

} // namespace

QPoint placeBeside(const QRect& anchor, const QSize& size, const QRect& available) {
    const int right = anchor.right() + 1 + kGap;
    if (right + size.width() <= available.right() + 1) {
        return {right, topBeside(anchor, size.height(), available)};
    }
    const int left = anchor.left() - kGap - size.width();
    if (left >= available.left()) {
        return {left, topBeside(anchor, size.height(), available)};
    }
    const int x = keptWithin(anchor.left(), size.width(), available.left(), available.right() + 1);
    return {x, anchor.bottom() + 1 + kGap};
}

QPoint keptWithin(const QRect& place, const QRect& available) {
    return {keptWithin(place.left(), place.width(), available.left(), available.right() + 1),
            keptWithin(place.top(), place.height(), available.top(), available.bottom() + 1)};
}

} // namespace quintel
