#include "desktop/window_placement.h"

#include <algorithm>
#include <cstdint>

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

// Sums in 64 bits: kept sizes and places may be anything an int holds.
std::int64_t wide(int value) {
    return value;
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
    const int below = anchor.bottom() + 1 + kGap;
    if (below + size.height() <= available.bottom() + 1) {
        return {x, below};
    }
    // No room anywhere: against the edge of the screen on the anchor's roomier side, where it
    // covers the least of the anchor.
    const bool rightIsRoomier =
        available.right() - anchor.right() >= anchor.left() - available.left();
    return {rightIsRoomier ? available.right() + 1 - size.width() : available.left(),
            topBeside(anchor, size.height(), available)};
}

QPoint keptWithin(const QRect& place, const QRect& available) {
    return {keptWithin(place.left(), place.width(), available.left(), available.right() + 1),
            keptWithin(place.top(), place.height(), available.top(), available.bottom() + 1)};
}

QSize fittedSize(QSize size, QMargins frame, const QRect& available) {
    if (size.isEmpty()) {
        return {};
    }
    const std::int64_t roomWidth =
        std::max<std::int64_t>(1, wide(available.width()) - frame.left() - frame.right());
    const std::int64_t roomHeight =
        std::max<std::int64_t>(1, wide(available.height()) - frame.top() - frame.bottom());
    if (size.width() <= roomWidth && size.height() <= roomHeight) {
        return size;
    }
    // The side that meets its edge of the room first takes the room's length; the other follows
    // in proportion, rounded down so that it never reaches past the room by a pixel.
    const std::int64_t width = size.width();
    const std::int64_t height = size.height();
    if (width * roomHeight >= height * roomWidth) {
        return {static_cast<int>(roomWidth),
                static_cast<int>(std::max<std::int64_t>(1, height * roomWidth / width))};
    }
    return {static_cast<int>(std::max<std::int64_t>(1, width * roomHeight / height)),
            static_cast<int>(roomHeight)};
}

bool wholeWithin(QPoint place, QSize frameSize, const QRect& available) {
    return place.x() >= available.left() && place.y() >= available.top() &&
           wide(place.x()) + frameSize.width() <= wide(available.right()) + 1 &&
           wide(place.y()) + frameSize.height() <= wide(available.bottom()) + 1;
}

QPoint centredWith(QSize frameSize, int companionWidth, const QRect& available) {
    const int width =
        companionWidth > 0 ? frameSize.width() + kGap + companionWidth : frameSize.width();
    QRect group(QPoint(), QSize(width, frameSize.height()));
    group.moveCenter(available.center());
    return keptWithin(QRect(group.topLeft(), frameSize), available);
}

QPoint centredOn(const QRect& owner, QSize frameSize, const QRect& available) {
    QRect place(QPoint(), frameSize);
    place.moveCenter(owner.center());
    return keptWithin(place, available);
}

} // namespace quintel
