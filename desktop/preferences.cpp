#include "desktop/preferences.h"

#include <QSettings>

#include <algorithm>
#include <iterator>

namespace quintel {

namespace {

constexpr const char* kColourNames[] = {"desktop", "light", "dark"};

ColourChoice colourNamed(const QString& name) {
    const auto found = std::find_if(std::begin(kColourNames), std::end(kColourNames),
                                    [&name](const char* known) { return name == known; });
    return found == std::end(kColourNames)
               ? ColourChoice::Desktop
               : static_cast<ColourChoice>(std::distance(std::begin(kColourNames), found));
}

} // namespace

Preferences readPreferences(const QSettings& settings) {
    Preferences preferences;
    preferences.sound = settings.value(QStringLiteral("preferences/sound"), true).toBool();
    preferences.animateDice =
        settings.value(QStringLiteral("preferences/animateDice"), true).toBool();
    preferences.endInStatusLine =
        settings.value(QStringLiteral("preferences/endInStatusLine"), false).toBool();
    preferences.colours =
        colourNamed(settings.value(QStringLiteral("preferences/colours")).toString());
    // A language the program does not speak, written by hand, is the desktop's.
    const QString language = settings.value(QStringLiteral("preferences/language")).toString();
    if (std::any_of(std::begin(kLanguages), std::end(kLanguages),
                    [&language](const char* known) { return language == known; })) {
        preferences.language = language;
    }
    // Only a risk the menu offers: a hand-written one might be past what the help promises.
    const double risk = settings.value(QStringLiteral("preferences/masterRisk"), 0.02).toDouble();
    if (std::find(std::begin(kMasterRisks), std::end(kMasterRisks), risk) !=
        std::end(kMasterRisks)) {
        preferences.masterRisk = risk;
    }
    return preferences;
}

void writePreferences(QSettings& settings, const Preferences& preferences) {
    settings.setValue(QStringLiteral("preferences/sound"), preferences.sound);
    settings.setValue(QStringLiteral("preferences/animateDice"), preferences.animateDice);
    settings.setValue(QStringLiteral("preferences/endInStatusLine"), preferences.endInStatusLine);
    settings.setValue(QStringLiteral("preferences/colours"),
                      QString::fromLatin1(kColourNames[static_cast<int>(preferences.colours)]));
    settings.setValue(QStringLiteral("preferences/language"), preferences.language);
    settings.setValue(QStringLiteral("preferences/masterRisk"), preferences.masterRisk);
    settings.sync();
}

} // namespace quintel
