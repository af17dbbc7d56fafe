#pragma once

#include <QString>
#include <QVariant>

#include <functional>
#include <optional>

namespace quintel {

// What the desktop asks of the programs on it beyond what Qt 6.4 reads itself: dark colours and
// less motion. Qt of this version gives neither (QStyleHints has no colour scheme yet, and no
// wish for reduced motion), so they are read where the desktops keep them.

// From the user's configuration folder `configFolder` and the environment: GTK_THEME naming a
// ":dark" variant, GTK's gtk-application-prefer-dark-theme (GTK 4, then 3), then KDE's colour
// scheme in kdeglobals. Nothing when none of them says.
std::optional<bool> settingsPreferDark(const QString& configFolder);

// GTK's gtk-enable-animations turned off, or KDE's AnimationDurationFactor of 0.
bool settingsReduceMotion(const QString& configFolder);

// Reads `key` of `group` from the desktop portal (org.freedesktop.portal.Settings, which GNOME's
// and KDE's portals answer) and calls `answered` with its value when the answer comes, without
// waiting for it; never without a session bus, a portal or the key.
void readPortalSetting(const QString& group, const QString& key,
                       std::function<void(const QVariant& value)> answered);

// The portal's org.freedesktop.appearance color-scheme: 1 prefers dark colours, 2 light ones, 0
// neither; the answer when it says one or the other.
std::optional<bool> portalPrefersDark(const QVariant& colorScheme);

} // namespace quintel
