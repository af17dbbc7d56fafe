#pragma once

#include "desktop/preferences.h"

#include <QObject>

class QMenu;
class QSettings;

namespace quintel {

class ScreenWindow;

// The Settings entry of every window's Help menu: Sound, Tumbling dice, Colours (the desktop's,
// light or dark) and Language (the desktop's, or one the program speaks; it changes at the next
// start). What the player chooses is kept in the settings at once.
class SettingsMenu : public QObject {
    Q_OBJECT
public:
    explicit SettingsMenu(QSettings& settings, QObject* parent = nullptr);

    const Preferences& preferences() const { return preferences_; }

    // Adds the entry to the window's Help menu (which InfoWindows::attach made a menu).
    void attach(ScreenWindow& window);
    // Adds the Settings submenu to `menu` and returns it.
    QMenu* addTo(QMenu& menu);

signals:
    void changed(const Preferences& preferences);

private:
    void change(const Preferences& preferences);

    QSettings& settings_;
    Preferences preferences_;
};

} // namespace quintel
