#include "app/computer_seats.h"
#include "app/game.h"
#include "app/program_arguments.h"
#include "desktop/desktop_feel.h"
#include "desktop/guide_overlay.h"
#include "desktop/info_windows.h"
#include "desktop/last_sign_in.h"
#include "desktop/qt_message_boxes.h"
#include "desktop/settings_menu.h"
#include "desktop/table_effects.h"
#include "desktop/table_sounds.h"
#include "desktop/translations.h"
#include "desktop/windows.h"
#include "model/random_source.h"
#include "records/data_folder.h"
#include "records/file_io.h"

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <variant>
#include <vector>

namespace {

// The folder of the Expert's solved games: QUINTEL_SOLVED_DIR when set, else the one beside the
// program (see solvedDataFolder).
std::filesystem::path solvedFolder(const std::filesystem::path& programFolder) {
    const char* chosen = std::getenv("QUINTEL_SOLVED_DIR");
    return chosen != nullptr && *chosen != '\0' ? std::filesystem::path(chosen)
                                                : quintel::solvedDataFolder(programFolder);
}

} // namespace

int main(int argc, char* argv[]) {
    // Read before Qt starts, so that --help and a mistyped option need no display.
    const auto read = quintel::readProgramArguments({argv + 1, argv + argc});
    if (const auto* refused = std::get_if<std::string>(&read)) {
        std::cerr << "quintel: " << *refused << "\n" << quintel::programUsage();
        return 2;
    }
    const auto& arguments = std::get<quintel::ProgramArguments>(read);
    if (arguments.help) {
        std::cout << quintel::programUsage();
        return 0;
    }
    // Past the file-size limit a write then fails, and the game tells the player and plays on.
    quintel::files::ignoreFileSizeSignal();
    QApplication app(argc, argv);
    // The game says when it ends (see Windows), not the last window to close: between two
    // screens, and behind a message box, there may be no window of the game open.
    QApplication::setQuitOnLastWindowClosed(false);

    // The last sign-in's name and options, each window's size and place, and the player's
    // settings, from this run or an earlier one.
    QSettings settings(QStringLiteral("Quintel"), QStringLiteral("Quintel"));
    // Before any text is made: every window and message is in the player's language.
    quintel::SettingsMenu settingsMenu(settings);
    quintel::installTranslations(settingsMenu.preferences().language);

    // The player's files live beside the program when it can take them (a copy carried around
    // keeps its players), else in the user's data folder (an installed program).
    const std::filesystem::path programFolder =
        QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
    const std::filesystem::path dataFolder =
        quintel::chooseDataFolder(programFolder, quintel::userFoldersFromEnvironment()).folder;

    quintel::QtMessageBoxes messages;
    quintel::RandomSource random = quintel::RandomSource::fromEntropy();
    quintel::Game game(dataFolder, messages, random);

    // The computer's seats, for the whole run; each sign-in seats the one the player chose.
    quintel::ComputerSeats seats(solvedFolder(programFolder));
    game.seats = &seats;
    // An outside engine is started and greeted now, and offered by the name it gives.
    std::string engineProblem;
    if (arguments.engine) {
        engineProblem = seats.startEngine(*arguments.engine, std::chrono::milliseconds(5000));
        game.formWelcome.engineName = seats.engineName();
    }

    quintel::Windows windows(game);
    windows.keepGeometries(settings);
    messages.setBeforeShow([&windows] { windows.refresh(); });
    messages.setOwner([&windows] { return windows.messageOwner(); });

    // Rules, help, about, the profile chart and the statistics, and the settings, from every
    // screen's menu.
    quintel::InfoWindows info(game);
    for (const auto& window : windows.all()) {
        info.attach(*window);
        settingsMenu.attach(*window);
    }

    // The guided first game, offered to a new player and from the table's Help menu.
    quintel::GuideOverlay guide(game, windows);

    // The coach's figures against the computer take seconds in the background: the table shows
    // them as soon as they are there, not at the player's next step.
    QTimer coachWatch;
    coachWatch.setInterval(400);
    QObject::connect(&coachWatch, &QTimer::timeout, &windows, [&game, &windows] {
        if (game.formStart.showWorkedOutCoach()) {
            windows.refresh();
        }
    });
    coachWatch.start();

    // Tumbling dice and the table's sounds, as the player and the desktop want them.
    quintel::TableEffects effects(game.formStart, game.match, windows.windowOf(game.formStart));
    QObject::connect(&windows, &quintel::Windows::refreshed, &effects,
                     &quintel::TableEffects::noticeChanges);
    quintel::TableSounds sounds;
    QObject::connect(&effects, &quintel::TableEffects::sound, &sounds, &quintel::TableSounds::play);
    quintel::DesktopFeel feel(effects, sounds);
    feel.setPreferences(settingsMenu.preferences());
    feel.followDesktop(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    QObject::connect(&settingsMenu, &quintel::SettingsMenu::changed, &feel,
                     &quintel::DesktopFeel::setPreferences);
    game.formStart.endInStatusLine = settingsMenu.preferences().endInStatusLine;
    game.masterRisk = settingsMenu.preferences().masterRisk;
    QObject::connect(&settingsMenu, &quintel::SettingsMenu::changed, &settingsMenu,
                     [&game](const quintel::Preferences& chosen) {
                         game.formStart.endInStatusLine = chosen.endInStatusLine;
                         game.masterRisk = chosen.masterRisk;
                     });

    // The welcome screen offers the last sign-in's name and options.
    quintel::keepLastSignIn(game.formWelcome, settings);

    game.start();
    windows.refresh();
    // The audio system wakes once the welcome window is up.
    QTimer::singleShot(0, &sounds, &quintel::TableSounds::load);
    if (!engineProblem.empty()) {
        std::cerr << "quintel: " << engineProblem << "\n";
        messages.inform("The " + engineProblem + ". The welcome screen offers the two computers.");
    }
    return QApplication::exec();
}
