#include "desktop/windows.h"

#include "app/game.h"
#include "desktop/design_scale.h"
#include "desktop/window_placement.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>

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
        placement.keptAs = window.keptAs;
        placements_.push_back(placement);
    }
}

namespace {

ScreenWindow::Style tableStyle() {
    const auto [red, green, blue] = FormStart::kMarkerColour;
    return {.pictureFill = QColor(red, green, blue),
            .dialog = false,
            .dieButtons = "Dice",
            .elidedLabel = "lblName"};
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
          {{&game.formWelcome, {.elidedLabel = "lblFolder"}, nullptr, "welcome"},
           {&game.formStart, tableStyle(), nullptr, "table"},
           {&game.formCall, {.dialog = true}, &game.formStart, "call"}},
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
                open(index);
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
            keep(index);
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

void Windows::keepGeometries(QSettings& settings) {
    settings_ = &settings;
}

void Windows::open(std::size_t index) {
    Placement& placement = placements_[index];
    if (!placement.sized) {
        placement.sized = true;
        if (!restoreKept(index)) {
            giveFirstSize(index);
        }
    }
    placeBesideAnchor(index);
}

namespace {

QString keyOf(const std::string& keptAs, const char* what) {
    return QString::fromStdString("windows/" + keptAs + "/" + what);
}

} // namespace

namespace {

// The place of a window of `size` kept at `place`: there, unless no screen shows any of it any
// more (a screen unplugged since), then pulled onto the primary screen.
QPoint onSomeScreen(QPoint place, QSize size) {
    const QRect kept(place, size);
    const QList<QScreen*> screens = QGuiApplication::screens();
    const bool seen = std::any_of(screens.begin(), screens.end(), [&](const QScreen* screen) {
        return screen->availableGeometry().intersects(kept);
    });
    const QScreen* primary = QGuiApplication::primaryScreen();
    return seen || primary == nullptr ? place : keptWithin(kept, primary->availableGeometry());
}

} // namespace

bool Windows::restoreKept(std::size_t index) {
    Placement& placement = placements_[index];
    if (settings_ == nullptr || placement.keptAs.empty()) {
        return false;
    }
    const QSize size = settings_->value(keyOf(placement.keptAs, "size")).toSize();
    const QVariant place = settings_->value(keyOf(placement.keptAs, "place"));
    if (!size.isValid() || !place.canConvert<QPoint>()) {
        return false;
    }
    ScreenWindow& window = *windows_[index];
    window.resize(size);
    window.move(onSomeScreen(place.toPoint(), size));
    if (settings_->value(keyOf(placement.keptAs, "placedByPlayer")).toBool()) {
        placement.playerPlace = window.pos();
    }
    return true;
}

void Windows::giveFirstSize(std::size_t index) {
    ScreenWindow& window = *windows_[index];
    const ScreenWindow* anchor = placements_[index].anchor;
    const QScreen* screen =
        anchor != nullptr ? anchor->QWidget::screen() : window.QWidget::screen();
    if (screen == nullptr) {
        return;
    }
    window.setScaleFactor(firstStartFactor(screen->geometry().size(), window.designSize()));
}

void Windows::keep(std::size_t index) {
    const Placement& placement = placements_[index];
    if (settings_ == nullptr || placement.keptAs.empty()) {
        return;
    }
    // The place as Qt moves a window (its frame's corner) and the size of its inside, so that
    // moving and resizing to them gives the same window again.
    settings_->setValue(keyOf(placement.keptAs, "place"), windows_[index]->pos());
    settings_->setValue(keyOf(placement.keptAs, "size"), windows_[index]->size());
    settings_->setValue(keyOf(placement.keptAs, "placedByPlayer"),
                        placement.playerPlace.has_value());
    // Written now: the program may end without an orderly exit.
    settings_->sync();
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
