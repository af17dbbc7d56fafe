#pragma once

#include <QMargins>

class QWidget;

namespace quintel {

// The frame a window manager puts around a window, guessed before the program has shown one: room
// for a title bar and thin borders, as the common desktops draw them.
inline constexpr QMargins kGuessedFrame(8, 40, 8, 8);

// The frame around a shown window (none without a window manager).
QMargins frameMarginsOf(const QWidget& window);

// Before a window that has no place of its own is first shown: it is given a size that fits the
// free area of the screen it opens on, whole with its frame, and its place in the middle of
// `owner` (the window it was opened from) or, without one, of that screen.
void fitAndCentre(QWidget& window, const QWidget* owner);

} // namespace quintel
