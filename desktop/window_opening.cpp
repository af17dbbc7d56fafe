#include "desktop/window_opening.h"

#include "desktop/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace quintel {

QMargins frameMarginsOf(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect inside = window.geometry();
    return {inside.left() - frame.left(), inside.top() - frame.top(),
            frame.right() - inside.right(), frame.bottom() - inside.bottom()};
}

void fitAndCentre(QWidget& window, const QWidget* owner) {
    const bool onOwner = owner != nullptr && owner->isVisible();
    const QScreen* screen = onOwner ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect available = screen->availableGeometry();
    const QMargins frame =
        onOwner && !frameMarginsOf(*owner).isNull() ? frameMarginsOf(*owner) : kGuessedFrame;
    window.resize(fittedSize(window.size(), frame, available));
    const QRect centre = onOwner ? owner->frameGeometry() : available;
    window.move(centredOn(centre, window.size().grownBy(frame), available));
}

} // namespace quintel
