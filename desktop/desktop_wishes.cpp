#include "desktop/desktop_wishes.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QSettings>

namespace quintel {

namespace {

// "1", "true", "0", "false" in the desktops' settings files; nothing for anything else.
std::optional<bool> flagOf(const QVariant& value) {
    const QString text = value.toString().trimmed().toLower();
    if (text == QLatin1String("1") || text == QLatin1String("true")) {
        return true;
    }
    if (text == QLatin1String("0") || text == QLatin1String("false")) {
        return false;
    }
    return std::nullopt;
}

QVariant gtkSetting(const QString& configFolder, const QString& key) {
    for (const char* version : {"gtk-4.0", "gtk-3.0"}) {
        const QSettings gtk(configFolder + QLatin1Char('/') + QLatin1String(version) +
                                QLatin1String("/settings.ini"),
                            QSettings::IniFormat);
        const QVariant value = gtk.value(QStringLiteral("Settings/") + key);
        if (value.isValid()) {
            return value;
        }
    }
    return {};
}

QSettings kdeGlobals(const QString& configFolder) {
    return {configFolder + QLatin1String("/kdeglobals"), QSettings::IniFormat};
}

} // namespace

std::optional<bool> settingsPreferDark(const QString& configFolder) {
    const QString gtkTheme = qEnvironmentVariable("GTK_THEME");
    if (!gtkTheme.isEmpty()) {
        return gtkTheme.endsWith(QLatin1String(":dark"), Qt::CaseInsensitive);
    }
    if (const auto prefer =
            flagOf(gtkSetting(configFolder, QStringLiteral("gtk-application-prefer-dark-theme")))) {
        return prefer;
    }
    // QSettings reads the keys of an ini file's [General] group as keys of no group.
    const QString scheme = kdeGlobals(configFolder).value(QStringLiteral("ColorScheme")).toString();
    if (!scheme.isEmpty()) {
        return scheme.contains(QLatin1String("Dark"), Qt::CaseInsensitive);
    }
    return std::nullopt;
}

bool settingsReduceMotion(const QString& configFolder) {
    if (flagOf(gtkSetting(configFolder, QStringLiteral("gtk-enable-animations"))) == false) {
        return true;
    }
    const QVariant factor =
        kdeGlobals(configFolder).value(QStringLiteral("KDE/AnimationDurationFactor"));
    bool number = false;
    return factor.isValid() && factor.toString().toDouble(&number) == 0.0 && number;
}

void readPortalSetting(const QString& group, const QString& key,
                       std::function<void(const QVariant& value)> answered) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return;
    }
    QDBusMessage read = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.portal.Desktop"),
        QStringLiteral("/org/freedesktop/portal/desktop"),
        QStringLiteral("org.freedesktop.portal.Settings"), QStringLiteral("Read"));
    read << group << key;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(read, 1000), qApp);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, qApp,
                     [watcher, answered = std::move(answered)] {
                         watcher->deleteLater();
                         const QDBusPendingReply<QDBusVariant> reply = *watcher;
                         if (reply.isError()) {
                             return;
                         }
                         // The portal wraps the value in a variant once more.
                         QVariant value = reply.value().variant();
                         if (value.canConvert<QDBusVariant>()) {
                             value = value.value<QDBusVariant>().variant();
                         }
                         answered(value);
                     });
}

std::optional<bool> portalPrefersDark(const QVariant& colorScheme) {
    bool number = false;
    const uint scheme = colorScheme.toUInt(&number);
    if (!number || (scheme != 1 && scheme != 2)) {
        return std::nullopt;
    }
    return scheme == 1;
}

} // namespace quintel
