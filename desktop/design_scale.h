#pragma once

#include <QRect>
#include <QSize>

namespace quintel {

// The screens are designed in pixels at 96 dots per inch; a window shows its design at one
// factor for every place, size and font, so that it keeps its proportions at any size.

// The factor at which a design of `design` pixels fills `room` without being cut: the smaller of
// the two proportions, so that the design keeps its shape and stands letterboxed in the rest.
double fittingFactor(QSize room, QSize design);

// `design` at `factor`. Each edge is rounded on its own, so that controls that touch in the
// design still touch; at a whole factor every number is simply multiplied.
QRect scaledRect(const QRect& design, double factor);
QSize scaledSize(QSize design, double factor);
int scaledLength(int design, double factor);

// The factor a window of `design` opens at the first time on a screen of `screen`: a little over
// half the screen's height, and no more than a third of its width so that the table and the call
// dialog stand side by side; twice the design at most, never under the design, in quarter steps.
// On a 1920 × 1080 screen that is twice the design.
double firstStartFactor(QSize screen, QSize design);

} // namespace quintel
