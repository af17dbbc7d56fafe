#include "desktop/desktop_feel.h"

#include "desktop/colour_scheme.h"
#include "desktop/desktop_wishes.h"
#include "desktop/table_effects.h"
#include "desktop/table_sounds.h"

#include <QApplication>

namespace quintel {

DesktopFeel::DesktopFeel(TableEffects& effects, TableSounds& sounds, QObject* parent)
    : QObject(parent), effects_(effects), sounds_(sounds),
      desktopDark_(isDark(QApplication::palette())) {}

void DesktopFeel::setPreferences(const Preferences& preferences) {
    preferences_ = preferences;
    apply();
}

void DesktopFeel::followDesktop(const QString& configFolder) {
    // A desktop that gives Qt a dark palette has said so already.
    desktopDark_ =
        isDark(QApplication::palette()) || settingsPreferDark(configFolder).value_or(false);
    reducesMotion_ = settingsReduceMotion(configFolder);
    apply();
    readPortalSetting(QStringLiteral("org.freedesktop.appearance"), QStringLiteral("color-scheme"),
                      [this](const QVariant& value) {
                          if (const auto dark = portalPrefersDark(value)) {
                              setDesktopDark(*dark);
                          }
                      });
    // GNOME's switch for fewer animations, which its portal passes on.
    readPortalSetting(QStringLiteral("org.gnome.desktop.interface"),
                      QStringLiteral("enable-animations"), [this](const QVariant& value) {
                          if (value.typeId() == QMetaType::Bool) {
                              setDesktopReducesMotion(!value.toBool());
                          }
                      });
}

void DesktopFeel::setDesktopDark(bool dark) {
    desktopDark_ = dark;
    apply();
}

void DesktopFeel::setDesktopReducesMotion(bool reduces) {
    reducesMotion_ = reduces;
    apply();
}

void DesktopFeel::apply() {
    // The palette changes only when what is asked for changes: every window is drawn again.
    if (!colourApplied_ || appliedChoice_ != preferences_.colours || appliedDark_ != desktopDark_) {
        applyColours(preferences_.colours, desktopDark_);
        colourApplied_ = true;
        appliedChoice_ = preferences_.colours;
        appliedDark_ = desktopDark_;
    }
    effects_.setAnimated(preferences_.animateDice && !reducesMotion_);
    sounds_.setEnabled(preferences_.sound);
}

} // namespace quintel
