#include "desktop/window_placement.h"

#include <algorithm>

namespace quintel {

namespace {

// A small gap, so that the two windows read as two.
constexpr int kGap = 8;

// The top edge that keeps a window of `height` beside the anchor and on the screen.
int topBeside(const QRect& anchor, int height, const QRect& available) {
    return std::max(available.top(), std::min(anchor.top(), available.bottom() + 1 - height));
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
    const int x =
        std::max(available.left(), std::min(anchor.left(), available.right() + 1 - size.width()));
    return {x, anchor.bottom() + 1 + kGap};
}

} // namespace quintel
