#include "desktop/windows.h"

#include "app/game.h"

#include <QCoreApplication>

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
           {&game.formCall, {.dialog = true}}},
          [&game] { return game.quitRequested; }, orExitLoop(std::move(quit))) {}

Windows::~Windows() = default;

void Windows::refresh() {
    for (const auto& window : windows_) {
        window->sync();
    }
    // Open before closing, so that the program never has a moment without a window.
    for (const auto& window : windows_) {
        const bool toFront = window->screen().takeFrontRequest();
        if (window->screen().shown() && (toFront || !window->isVisible())) {
            window->show();
            window->raise();
            window->activateWindow();
        }
    }
    for (const auto& window : windows_) {
        if (!window->screen().shown() && window->isVisible()) {
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
