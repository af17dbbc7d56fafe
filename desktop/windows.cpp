#include "desktop/windows.h"

#include "app/game.h"
#include "desktop/design_scale.h"
#include "desktop/window_opening.h"
#include "desktop/window_placement.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMargins>
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
            .elidedLabel = "lblName",
            .logsInStep = true};
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
            noteFrame(*window);
            window->hide();
        }
    }
    emit refreshed();
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

// The screen a window kept at `place` opens on: the one showing that point, else the primary one.
QScreen* screenShowing(QPoint place) {
    QScreen* screen = QGuiApplication::screenAt(place);
    return screen != nullptr ? screen : QGuiApplication::primaryScreen();
}

// Whether the size is one a window could have had: settings files are edited by hand.
bool plausible(QSize size) {
    return size.isValid() && !size.isEmpty();
}

} // namespace

QMargins Windows::frameMargins() const {
    // A window just shown may not have its frame yet; one open for a while has.
    for (const auto& window : windows_) {
        if (window->isVisible() && !frameMarginsOf(*window).isNull()) {
            return frameMarginsOf(*window);
        }
    }
    return framesSeen_ ? lastFrame_ : kGuessedFrame;
}

void Windows::noteFrame(const ScreenWindow& window) {
    lastFrame_ = frameMarginsOf(window);
    framesSeen_ = true;
}

std::optional<QSize> Windows::keptSize(std::size_t index) const {
    const std::string& keptAs = placements_[index].keptAs;
    if (settings_ == nullptr || keptAs.empty()) {
        return std::nullopt;
    }
    const QSize size = settings_->value(keyOf(keptAs, "size")).toSize();
    return plausible(size) ? std::optional(size) : std::nullopt;
}

int Windows::companionWidth(std::size_t index, const QRect& available, QMargins frame) const {
    for (std::size_t other = 0; other < windows_.size(); ++other) {
        if (placements_[other].anchor != windows_[index].get()) {
            continue;
        }
        const ScreenWindow& companion = *windows_[other];
        const QSize firstSize = scaledSize(
            companion.designSize(), firstStartFactor(available.size(), companion.designSize()));
        const QSize size =
            placements_[other].sized ? companion.size() : keptSize(other).value_or(firstSize);
        return fittedSize(size, frame, available).grownBy(frame).width();
    }
    return 0;
}

bool Windows::restoreKept(std::size_t index) {
    Placement& placement = placements_[index];
    const std::optional<QSize> size = keptSize(index);
    const QVariant kept = size ? settings_->value(keyOf(placement.keptAs, "place")) : QVariant();
    if (!kept.canConvert<QPoint>()) {
        return false;
    }
    const QPoint place = kept.toPoint();
    const QScreen* screen = screenShowing(place);
    if (screen == nullptr) {
        return false;
    }
    ScreenWindow& window = *windows_[index];
    // Kept on another screen, perhaps a larger one: the window must fit on this one, whole.
    const QRect available = screen->availableGeometry();
    const QMargins frame = frameMargins();
    window.resize(fittedSize(*size, frame, available));
    const QSize frameSize = window.size().grownBy(frame);
    if (!wholeWithin(place, frameSize, available)) {
        window.move(centredWith(frameSize, companionWidth(index, available, frame), available));
        return true;
    }
    window.move(place);
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
    const QRect available = screen->availableGeometry();
    const QMargins frame = frameMargins();
    window.setScaleFactor(firstStartFactor(available.size(), window.designSize()));
    window.resize(fittedSize(window.size(), frame, available));
    // A dialog opens beside its anchor; any other window in the middle of its screen, with room
    // for the dialog that opens beside it.
    if (anchor == nullptr) {
        window.move(centredWith(window.size().grownBy(frame),
                                companionWidth(index, available, frame), available));
    }
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
    const QScreen* screen = placement.anchor->QWidget::screen();
    const QRect available =
        screen != nullptr ? screen->availableGeometry() : placement.anchor->frameGeometry();
    const QMargins frame = frameMargins();
    if (placement.playerPlace &&
        wholeWithin(*placement.playerPlace, window.size().grownBy(frame), available)) {
        window.move(*placement.playerPlace);
        placement.placedAt = placement.playerPlace;
        return;
    }
    // Where the player put it is off this screen now: beside the anchor again, until moved.
    placement.playerPlace.reset();
    const QPoint place =
        placeBeside(placement.anchor->frameGeometry(), window.size().grownBy(frame), available);
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
