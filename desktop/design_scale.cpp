#include "desktop/design_scale.h"

#include <algorithm>
#include <cmath>

namespace quintel {

namespace {

// Share of the screen's height a window takes when it first opens, and the largest factor it
// opens at: beyond that the player makes it bigger if wanted.
constexpr double kShareOfHeight = 0.55;
constexpr double kShareOfWidth = 1.0 / 3.0;
constexpr double kLargestFirstFactor = 2.0;
constexpr double kFactorStep = 0.25;

} // namespace

double fittingFactor(QSize room, QSize design) {
    if (design.isEmpty() || room.isEmpty()) {
        return 1.0;
    }
    return std::min(static_cast<double>(room.width()) / design.width(),
                    static_cast<double>(room.height()) / design.height());
}

int scaledLength(int design, double factor) {
    return static_cast<int>(std::lround(design * factor));
}

QRect scaledRect(const QRect& design, double factor) {
    const int left = scaledLength(design.x(), factor);
    const int top = scaledLength(design.y(), factor);
    const int right = scaledLength(design.x() + design.width(), factor);
    const int bottom = scaledLength(design.y() + design.height(), factor);
    return {left, top, right - left, bottom - top};
}

QSize scaledSize(QSize design, double factor) {
    return {scaledLength(design.width(), factor), scaledLength(design.height(), factor)};
}

double firstStartFactor(QSize screen, QSize design) {
    if (design.isEmpty()) {
        return 1.0;
    }
    const double wanted =
        std::min({kLargestFirstFactor, kShareOfHeight * screen.height() / design.height(),
                  kShareOfWidth * screen.width() / design.width()});
    return std::max(1.0, std::round(wanted / kFactorStep) * kFactorStep);
}

} // namespace quintel
