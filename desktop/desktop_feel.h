#pragma once

#include "desktop/preferences.h"

#include <QObject>
#include <QString>

namespace quintel {

class TableEffects;
class TableSounds;

// The program's colours, tumbling dice and sounds as the player and the desktop want them. The
// player's settings come with setPreferences; the desktop's wishes from its settings files at the
// start and from its portal when that answers, a moment later.
class DesktopFeel : public QObject {
    Q_OBJECT
public:
    DesktopFeel(TableEffects& effects, TableSounds& sounds, QObject* parent = nullptr);

    void setPreferences(const Preferences& preferences);
    // Reads the desktop's wishes from the user's configuration folder and asks its portal.
    void followDesktop(const QString& configFolder);
    void setDesktopDark(bool dark);
    void setDesktopReducesMotion(bool reduces);

    bool desktopDark() const { return desktopDark_; }
    bool desktopReducesMotion() const { return reducesMotion_; }

private:
    void apply();

    TableEffects& effects_;
    TableSounds& sounds_;
    Preferences preferences_;
    bool desktopDark_ = false;
    bool reducesMotion_ = false;
    bool colourApplied_ = false;
    ColourChoice appliedChoice_ = ColourChoice::Desktop;
    bool appliedDark_ = false;
};

} // namespace quintel
