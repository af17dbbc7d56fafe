#pragma once

#include <QObject>
#include <QPointer>

#include <memory>

class QWidget;

namespace quintel {

class SolvedAppraiser;

class Game;
class HelpPageWindow;
class ProfileChartWindow;
class StatisticsWindow;
class ScreenWindow;

// The reading windows beside the game: the rules ("Rule"), how to play ("Help" in the Help menu),
// the program ("About"), the player's profile chart ("Your profile" in the Help menu) and the
// statistics of the record of games ("Statistics" in the Help menu). Each
// exists once and is shown beside the game without blocking it; asked for again, it comes to the
// front. The profile chart follows the profile after every event a screen handles.
class InfoWindows : public QObject {
    Q_OBJECT
public:
    explicit InfoWindows(Game& game, QObject* parent = nullptr);
    ~InfoWindows() override;

    // Gives the window's menu bar its actions: Help becomes a menu of "Help", "Your profile" and
    // "Statistics", on the table with the coach and "Play a guided first game" after them.
    void attach(ScreenWindow& window);

    void showRules();
    void showHelp();
    void showAbout();
    void showProfile();
    // The statistics of the player who signed in last, or of everyone before anyone has.
    void showStatistics();
    // Draws the profile chart again from the game's counters, when it is open.
    void refreshProfile();
    // Reads the record again for the statistics, when they are open and a game has been kept
    // since they were read.
    void refreshStatistics();

    QWidget* rules() const;
    QWidget* help() const;
    QWidget* about() const;
    ProfileChartWindow* profile() const;
    StatisticsWindow* statistics() const;

private:
    Game& game_;
    QPointer<HelpPageWindow> rules_, help_, about_;
    QPointer<ProfileChartWindow> profile_;
    QPointer<StatisticsWindow> statistics_;
    // Weighs a reviewed game's decisions against the solved game, when the game has its seats.
    std::unique_ptr<SolvedAppraiser> appraiser_;
    long long gamesKeptAtStatistics_ = 0;
};

} // namespace quintel
