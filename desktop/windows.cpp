#include "desktop/windows.h"

#include "app/game.h"
#include "desktop/window_placement.h"

#include <QApplication>
#include <QScreen>

#include <algorithm>
#include <stdexcept>

namespace quintel {

Windows::Windows(std::vector<Window> windows, std::function<bool()> quitRequested,
                 std::function<void()> quit)
    : quitRequested_(std::move(quitRequested)), quit_(std::move(quit)) {
    for (const Window& window : windows) {
        auto opened = std::make_unique<ScreenWindow>(*window.screen, window.style);
        connect(opened.get(), &ScreenWindow::handled, this, &Windows::afterEvent);
        windows_.push_back(std::move(opened));
    }
    for (const Window& window : windows) {
        Placement placement;
        placement.anchor = window.beside != nullptr ? &windowOf(*window.beside) : nullptr;
        placements_.push_back(placement);
    }
}

namespace {

ScreenWindow::Style tableStyle() {
    const auto [red, green, blue] = FormStart::kMarkerColour;
    return {.pictureFill = QColor(red, green, blue), .dialog = false, .dieButtons = "Dice"};
}

std::function<void()> orExitLoop(std::function<void()> quit) {
    if (quit) {
        return quit;
    }
    return [] { QCoreApplication::exit(0); };
}

} // namespace

Windows::Windows(Game& game, std::function<void()> quit)
    : Windows(
          {{&game.formWelcome, {}},
           {&game.formStart, tableStyle()},
           {&game.formCall, {.dialog = true}, &game.formStart}},
          [&game] { return game.quitRequested; }, orExitLoop(std::move(quit))) {}

Windows::~Windows() = default;

void Windows::refresh() {
    for (const auto& window : windows_) {
        window->sync();
    }
    // Open before closing, so that the program never has a moment without a window.
    for (std::size_t index = 0; index < windows_.size(); ++index) {
        ScreenWindow* window = windows_[index].get();
        const bool toFront = window->screen().takeFrontRequest();
        if (window->screen().shown() && (toFront || !window->isVisible())) {
            if (!window->isVisible()) {
                placeBesideAnchor(index);
            }
            window->show();
            window->raise();
            window->activateWindow();
        }
    }
    for (std::size_t index = 0; index < windows_.size(); ++index) {
        ScreenWindow* window = windows_[index].get();
        if (!window->screen().shown() && window->isVisible()) {
            rememberPlace(index);
            window->hide();
        }
    }
}

void Windows::afterEvent() {
    refresh();
    if (quitting_) {
        return;
    }
    const bool anyShown = std::any_of(windows_.begin(), windows_.end(),
                                      [](const auto& window) { return window->screen().shown(); });
    if ((quitRequested_ && quitRequested_()) || !anyShown) {
        quitting_ = true;
        if (quit_) {
            quit_();
        }
    }
}

void Windows::placeBesideAnchor(std::size_t index) {
    Placement& placement = placements_[index];
    if (placement.anchor == nullptr || !placement.anchor->isVisible()) {
        return;
    }
    ScreenWindow& window = *windows_[index];
    if (placement.playerPlace) {
        window.move(*placement.playerPlace);
        placement.placedAt = placement.playerPlace;
        return;
    }
    window.adjustSize();
    const QScreen* screen = placement.anchor->QWidget::screen();
    const QRect available =
        screen != nullptr ? screen->availableGeometry() : placement.anchor->frameGeometry();
    const QPoint place =
        placeBeside(placement.anchor->frameGeometry(), window.frameGeometry().size(), available);
    window.move(place);
    placement.placedAt = place;
}

void Windows::rememberPlace(std::size_t index) {
    Placement& placement = placements_[index];
    const QPoint place = windows_[index]->pos();
    if (placement.placedAt && place != *placement.placedAt) {
        placement.playerPlace = place;
    }
}

QWidget* Windows::messageOwner() const {
    QWidget* active = QApplication::activeWindow();
    const auto isOpen = [](const auto& window) { return window->isVisible(); };
    for (const auto& window : windows_) {
        if (window.get() == active && isOpen(window)) {
            return window.get();
        }
    }
    for (const auto& window : windows_) {
        if (isOpen(window) && window->windowType() != Qt::Dialog) {
            return window.get();
        }
    }
    const auto open = std::find_if(windows_.begin(), windows_.end(), isOpen);
    return open != windows_.end() ? open->get() : nullptr;
}

ScreenWindow& Windows::windowOf(const Screen& screen) const {
    const auto found = std::find_if(windows_.begin(), windows_.end(), [&](const auto& window) {
        return &window->screen() == &screen;
    });
    if (found == windows_.end()) {
        throw std::invalid_argument("no window for this screen");
    }
    return **found;
}

} // namespace quintel
