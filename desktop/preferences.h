#pragma once

#include "desktop/colour_scheme.h"

#include <QString>

class QSettings;

namespace quintel {

// What the player chose in the Settings menu, kept between runs.
struct Preferences {
    bool sound = true;
    bool animateDice = true;
    // The end of a game in the status line, with a bar to play again, instead of message boxes.
    bool endInStatusLine = false;
    ColourChoice colours = ColourChoice::Desktop;
    // "en", "de", "fr"; empty for the desktop's language.
    QString language;
    // The most the Master may give away to any player, as a share of a game: one of kMasterRisks.
    double masterRisk = 0.02;

    bool operator==(const Preferences&) const = default;
};

// The languages the program speaks, as Preferences::language names them.
inline constexpr const char* kLanguages[] = {"en", "de", "fr"};

// The Master's risks the menu offers: none (an equilibrium, as safe as the Expert) up to a bold
// one.
inline constexpr double kMasterRisks[] = {0.0, 0.01, 0.02, 0.05};

Preferences readPreferences(const QSettings& settings);
void writePreferences(QSettings& settings, const Preferences& preferences);

} // namespace quintel
