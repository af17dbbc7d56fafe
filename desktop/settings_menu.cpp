#include "desktop/settings_menu.h"

#include "desktop/screen_window.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QSettings>

#include <functional>

namespace quintel {

namespace {

// A checkable entry whose tick follows `ticked` each time the menu opens and which calls `chosen`.
QAction* tickEntry(QMenu& menu, const QString& text, std::function<bool()> ticked,
                   std::function<void()> chosen) {
    QAction* entry = menu.addAction(text);
    entry->setCheckable(true);
    QObject::connect(&menu, &QMenu::aboutToShow, entry,
                     [entry, ticked] { entry->setChecked(ticked()); });
    QObject::connect(entry, &QAction::triggered, entry, std::move(chosen));
    entry->setChecked(ticked());
    return entry;
}

QString languageName(const QString& language) {
    // Each language by its own name, as a player looking for it reads it.
    if (language == QLatin1String("de")) {
        return QStringLiteral("Deutsch");
    }
    if (language == QLatin1String("fr")) {
        return QStringLiteral("Français");
    }
    return QStringLiteral("English");
}

QString riskName(double risk) {
    if (risk == 0) {
        return SettingsMenu::tr("None: as safe as the Expert");
    }
    const QString percent = QString::number(risk * 100, 'g', 3);
    return risk == 0.02 ? SettingsMenu::tr("%1 % of a game (the standard)").arg(percent)
                        : SettingsMenu::tr("%1 % of a game").arg(percent);
}

} // namespace

SettingsMenu::SettingsMenu(QSettings& settings, QObject* parent)
    : QObject(parent), settings_(settings), preferences_(readPreferences(settings)) {}

void SettingsMenu::attach(ScreenWindow& window) {
    if (QAction* help = window.menuAction(QStringLiteral("Help"))) {
        if (QMenu* menu = help->menu()) {
            menu->addSeparator();
            addTo(*menu);
        }
    }
}

QMenu* SettingsMenu::addTo(QMenu& menu) {
    QMenu* settings = menu.addMenu(tr("Settings"));
    settings->setObjectName(QStringLiteral("settingsMenu"));
    tickEntry(
        *settings, tr("Sound"), [this] { return preferences_.sound; },
        [this] {
            Preferences changed = preferences_;
            changed.sound = !changed.sound;
            change(changed);
        });
    tickEntry(
        *settings, tr("Tumbling dice"), [this] { return preferences_.animateDice; },
        [this] {
            Preferences changed = preferences_;
            changed.animateDice = !changed.animateDice;
            change(changed);
        });
    tickEntry(
        *settings, tr("Show the end of a game in the status line"),
        [this] { return preferences_.endInStatusLine; },
        [this] {
            Preferences changed = preferences_;
            changed.endInStatusLine = !changed.endInStatusLine;
            change(changed);
        });

    QMenu* colours = settings->addMenu(tr("Colours"));
    auto* colourGroup = new QActionGroup(colours);
    const std::pair<ColourChoice, QString> colourChoices[] = {
        {ColourChoice::Desktop, tr("The desktop's")},
        {ColourChoice::Light, tr("Light")},
        {ColourChoice::Dark, tr("Dark")}};
    for (const auto& [choice, name] : colourChoices) {
        colourGroup->addAction(tickEntry(
            *colours, name, [this, choice] { return preferences_.colours == choice; },
            [this, choice] {
                Preferences changed = preferences_;
                changed.colours = choice;
                change(changed);
            }));
    }

    QMenu* languages = settings->addMenu(tr("Language (from the next start)"));
    auto* languageGroup = new QActionGroup(languages);
    QStringList codes{QString()};
    for (const char* code : kLanguages) {
        codes << QString::fromLatin1(code);
    }
    for (const QString& code : codes) {
        const QString name = code.isEmpty() ? tr("The desktop's") : languageName(code);
        languageGroup->addAction(tickEntry(
            *languages, name, [this, code] { return preferences_.language == code; },
            [this, code] {
                Preferences changed = preferences_;
                changed.language = code;
                change(changed);
            }));
    }

    QMenu* risks = settings->addMenu(tr("The Master's risk (from the next sign-in)"));
    auto* riskGroup = new QActionGroup(risks);
    for (const double risk : kMasterRisks) {
        riskGroup->addAction(tickEntry(
            *risks, riskName(risk), [this, risk] { return preferences_.masterRisk == risk; },
            [this, risk] {
                Preferences changed = preferences_;
                changed.masterRisk = risk;
                change(changed);
            }));
    }
    return settings;
}

void SettingsMenu::change(const Preferences& preferences) {
    preferences_ = preferences;
    writePreferences(settings_, preferences_);
    emit changed(preferences_);
}

} // namespace quintel
