#include "desktop/info_windows.h"

#include "app/game.h"
#include "app/solved_appraiser.h"
#include "desktop/help_page_window.h"
#include "desktop/profile_chart_window.h"
#include "desktop/screen_window.h"
#include "desktop/statistics_window.h"
#include "desktop/window_opening.h"
#include "records/profile_chart.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QMenu>

namespace quintel {

namespace {

void bringUp(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

template <typename Window, typename... Args>
Window& single(QPointer<Window>& window, Args&&... args) {
    if (window.isNull()) {
        window = new Window(std::forward<Args>(args)...);
        // Closed, it goes; the next request builds it afresh.
        window->setAttribute(Qt::WA_DeleteOnClose);
        // Over the game window it was asked for from.
        fitAndCentre(*window, QApplication::activeWindow());
    }
    bringUp(*window);
    return *window;
}

// The player who signed in last and their stay; everyone before anyone has.
StatisticsScope scopeOf(const RecordKeeper& record) {
    const auto& stay = record.stay();
    return stay ? StatisticsScope{stay->player, stay->firstGame} : StatisticsScope{};
}

} // namespace

InfoWindows::InfoWindows(Game& game, QObject* parent)
    : QObject(parent), game_(game),
      appraiser_(game.seats != nullptr
                     ? std::make_unique<SolvedAppraiser>(*game.seats, game.dataFolder)
                     : nullptr) {}

InfoWindows::~InfoWindows() {
    for (QWidget* window : {rules(), help(), about(), static_cast<QWidget*>(profile()),
                            static_cast<QWidget*>(statistics())}) {
        delete window;
    }
}

void InfoWindows::attach(ScreenWindow& window) {
    if (QAction* entry = window.menuAction(QStringLiteral("Help"))) {
        auto* menu = new QMenu(&window);
        menu->addAction(tr("Help"), this, &InfoWindows::showHelp);
        menu->addAction(tr("Your profile"), this, &InfoWindows::showProfile);
        menu->addAction(tr("Statistics"), this, &InfoWindows::showStatistics);
        // The coach belongs to the table, where it has something to say.
        if (&window.screen() == &game_.formStart) {
            QAction* coach = menu->addAction(tr("Coach"), &window, [this, &window] {
                game_.formStart.toggleCoach();
                window.sync();
            });
            coach->setShortcut(QKeySequence(
                QString::fromUtf8(kCoachKey.data(), static_cast<qsizetype>(kCoachKey.size()))));
            coach->setShortcutContext(Qt::WidgetShortcut);
            coach->setObjectName(QStringLiteral("coachAction"));
            QAction* guide =
                menu->addAction(tr("Play a guided first game"), &window, [this, &window] {
                    game_.guide.offer();
                    emit window.handled();
                });
            guide->setObjectName(QStringLiteral("guideAction"));
        }
        entry->setMenu(menu);
    }
    if (QAction* entry = window.menuAction(QStringLiteral("Rule"))) {
        connect(entry, &QAction::triggered, this, &InfoWindows::showRules);
    }
    if (QAction* entry = window.menuAction(QStringLiteral("About"))) {
        connect(entry, &QAction::triggered, this, &InfoWindows::showAbout);
    }
    // The computer's turn ends inside the event that sent the player's call.
    connect(&window, &ScreenWindow::handled, this, &InfoWindows::refreshProfile);
    connect(&window, &ScreenWindow::handled, this, &InfoWindows::refreshStatistics);
}

void InfoWindows::showRules() {
    single(rules_, rulesPage());
}

void InfoWindows::showHelp() {
    single(help_, helpPage());
}

void InfoWindows::showAbout() {
    single(about_, aboutPage());
}

void InfoWindows::showProfile() {
    single(profile_);
    refreshProfile();
}

void InfoWindows::showStatistics() {
    const StatisticsScope scope = scopeOf(game_.record);
    gamesKeptAtStatistics_ = game_.record.gamesKept();
    if (statistics_.isNull()) {
        single(statistics_, game_.dataFolder, scope, game_.messages).appraiser = appraiser_.get();
        return;
    }
    statistics_->setScope(scope);
    statistics_->reload();
    bringUp(*statistics_);
}

void InfoWindows::refreshStatistics() {
    if (statistics_.isNull() || !statistics_->isVisible() ||
        game_.record.gamesKept() == gamesKeptAtStatistics_) {
        return;
    }
    gamesKeptAtStatistics_ = game_.record.gamesKept();
    statistics_->setScope(scopeOf(game_.record));
    statistics_->reload();
}

void InfoWindows::refreshProfile() {
    if (!profile_.isNull()) {
        profile_->setChart(profileChart(game_.profile.counts, game_.profile.scores),
                           game_.playerName());
    }
}

QWidget* InfoWindows::rules() const {
    return rules_.data();
}
QWidget* InfoWindows::help() const {
    return help_.data();
}
QWidget* InfoWindows::about() const {
    return about_.data();
}
ProfileChartWindow* InfoWindows::profile() const {
    return profile_.data();
}
StatisticsWindow* InfoWindows::statistics() const {
    return statistics_.data();
}

} // namespace quintel
