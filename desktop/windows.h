#pragma once

#include "desktop/screen_window.h"

#include <QMargins>
#include <QObject>
#include <QPoint>

class QSettings;

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quintel {

class Game;

// The open windows of the game: one window per screen. After every click, edit or close that a
// window passes on, every window is mirrored again and shown or hidden as its screen says; when the
// game asks to end, or no screen is open any more, the application is told to quit.
class Windows : public QObject {
    Q_OBJECT
public:
    struct Window {
        Screen* screen;
        ScreenWindow::Style style;
        // The screen whose window this one opens beside, never covering it: to its right, left
        // or below, or where the player last moved it. Null to open where Qt puts it.
        const Screen* beside = nullptr;
        // Under which name the window's size and place are kept between runs; empty for not
        // at all.
        std::string keptAs = {};
    };

    // `quitRequested` says whether the game wants to end; `quit` ends the application's event
    // loop.
    Windows(std::vector<Window> windows, std::function<bool()> quitRequested,
            std::function<void()> quit);
    // The game's three screens: the welcome screen, the table, and the call dialog beside the
    // table. The folder of the player's files and the names at the table are cut short when too
    // long.
    // Without a `quit`, the application's event loop is ended.
    explicit Windows(Game& game, std::function<void()> quit = {});
    ~Windows() override;

    // Mirrors every screen and shows exactly the windows of the screens that are shown, bringing
    // to the front (with the focus) those newly shown or asked to come to the front again. Safe
    // while a handler is still running (before a message box).
    void refresh();
    // What follows a finished event: refresh, then quit if the game is over.
    void afterEvent();

    // Each window opens, the first time in a run, at the size and place it had when it last
    // closed in this or an earlier run, as kept in `settings`, fitted to the free area of the
    // screen it opens on: scaled down, keeping its shape, when it would not fit whole, and centred
    // on the screen when its place would leave any of it off. A window never kept opens at a
    // comfortable size for its screen, in its middle. The settings must outlive the windows.
    void keepGeometries(QSettings& settings);

    ScreenWindow& windowOf(const Screen& screen) const;
    const std::vector<std::unique_ptr<ScreenWindow>>& all() const { return windows_; }

    // The window a message box belongs to: the active window when it is one of these, else the
    // first open main window (the table, or the welcome screen), else any open window; null when
    // none is open.
    QWidget* messageOwner() const;

signals:
    // Every window mirrors its screen as it stands now.
    void refreshed();

private:
    struct Placement {
        const ScreenWindow* anchor = nullptr;
        // Where the window was last put, and where the player moved it from there.
        std::optional<QPoint> placedAt;
        std::optional<QPoint> playerPlace;
        std::string keptAs;
        // Whether the window has had its first size of the run.
        bool sized = false;
    };

    void open(std::size_t index);
    // The size kept for the window, when it has a plausible one.
    std::optional<QSize> keptSize(std::size_t index) const;
    // The width, with its frame, of the dialog that opens beside the window; 0 for none.
    int companionWidth(std::size_t index, const QRect& available, QMargins frame) const;
    // The frame the window manager puts around the program's windows: that of an open window, or
    // of the last one shown, or a guess before any was.
    QMargins frameMargins() const;
    void noteFrame(const ScreenWindow& window);
    void giveFirstSize(std::size_t index);
    bool restoreKept(std::size_t index);
    void placeBesideAnchor(std::size_t index);
    void rememberPlace(std::size_t index);
    void keep(std::size_t index);

    std::vector<std::unique_ptr<ScreenWindow>> windows_;
    std::vector<Placement> placements_;
    std::function<bool()> quitRequested_;
    std::function<void()> quit_;
    bool quitting_ = false;
    QSettings* settings_ = nullptr;
    QMargins lastFrame_;
    bool framesSeen_ = false;
};

} // namespace quintel
