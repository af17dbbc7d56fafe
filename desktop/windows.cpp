#include "desktop/windows.h"

#include "app/game.h"

#include <QCoreApplication>

#include <algorithm>
#include <stdexcept>

namespace quintel {

WindowsView::WindowsView(std::vector<Window> windows, std::function<bool()> quitRequested,
                         std::function<void()> quit)
    : quitRequested_(std::move(quitRequested)), quit_(std::move(quit)) {
    for (const Window& window : windows) {
        auto view = std::make_unique<ScreenView>(*window.screen, window.style);
        connect(view.get(), &ScreenView::handled, this, &WindowsView::afterEvent);
        views_.push_back(std::move(view));
    }
}

namespace {

ScreenView::Style tableStyle() {
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

WindowsView::WindowsView(Game& game, std::function<void()> quit)
    : WindowsView(
          {{&game.formWelcome, {}},
           {&game.formStart, tableStyle()},
           {&game.formCall, {.dialog = true}}},
          [&game] { return game.quitRequested; }, orExitLoop(std::move(quit))) {}

WindowsView::~WindowsView() = default;

void WindowsView::refresh() {
    for (const auto& view : views_) {
        view->sync();
    }
    // Open before closing, so that the program never has a moment without a window.
    for (const auto& view : views_) {
        const bool toFront = view->screen().takeFrontRequest();
        if (view->screen().shown() && (toFront || !view->isVisible())) {
            view->show();
            view->raise();
            view->activateWindow();
        }
    }
    for (const auto& view : views_) {
        if (!view->screen().shown() && view->isVisible()) {
            view->hide();
        }
    }
}

void WindowsView::afterEvent() {
    refresh();
    if (quitting_) {
        return;
    }
    const bool anyShown = std::any_of(views_.begin(), views_.end(),
                                      [](const auto& view) { return view->screen().shown(); });
    if ((quitRequested_ && quitRequested_()) || !anyShown) {
        quitting_ = true;
        if (quit_) {
            quit_();
        }
    }
}

ScreenView& WindowsView::viewOf(const Screen& screen) const {
    const auto found = std::find_if(views_.begin(), views_.end(),
                                    [&](const auto& view) { return &view->screen() == &screen; });
    if (found == views_.end()) {
        throw std::invalid_argument("no window for this screen");
    }
    return **found;
}

} // namespace quintel
