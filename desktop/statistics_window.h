#pragma once

#include "desktop/export_dialog.h"
#include "model/message_boxes.h"
#include "records/game_review.h"
#include "records/record_export.h"
#include "records/record_statistics.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <filesystem>
#include <functional>
#include <optional>

class QChart;
class QChartView;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableView;
class QTableWidget;

namespace quintel {

class GameReviewWindow;
class LeaksWindow;
class GamesTableModel;

// The player's record in figures and charts: games and wins over time, win rates by option set
// and by opponent, calls and challenges, the dice check, and the list of games, from which any
// one can be reviewed, and the selected games exported, or all of them when none is selected.
class StatisticsWindow : public QWidget {
    Q_OBJECT
public:
    StatisticsWindow(std::filesystem::path dataFolder, StatisticsScope scope,
                     MessageBoxes& messages, QWidget* parent = nullptr);

    // Reads the record again and shows what it holds now.
    void reload();
    void setScope(StatisticsScope scope) { scope_ = std::move(scope); }

    // The figures shown; their games are in the list of games, gamesView().
    const RecordStatistics& statistics() const { return statistics_; }
    // Every text the window shows beside its charts, one a line.
    QString figuresText() const;
    QTabWidget& tabs() const { return *tabs_; }
    QTableView& gamesView() const { return *gamesView_; }
    QTableWidget& diceTable() const { return *diceTable_; }
    // The charts in the order of the tabs.
    std::vector<const QChart*> charts() const;

    // Where an export goes, asked of the player under `title` by default; nothing exports
    // nothing.
    std::function<std::optional<ExportTarget>(const QString& title)> chooseExportFile;
    // Writes the selected games, or all when none is selected, to `target`; returns how many, or
    // nothing when it could not.
    std::optional<long long> exportGamesTo(const ExportTarget& target);
    // "Export the 3 selected games", "Export all 25 games": what the export button does now.
    QString exportCaption() const;
    // Opens the review of the game in `row` of the list.
    GameReviewWindow* reviewGame(int row);
    GameReviewWindow* review() const;
    // Opens "Your leaks" for the player of the scope; none without one.
    LeaksWindow* showLeaks();
    LeaksWindow* leaks() const;
    // Weighs the player's decisions in a review; none: the review shows no solved chances.
    const DecisionAppraiser* appraiser = nullptr;

private:
    QWidget* makeTimelineTab();
    QWidget* makeRatesTab();
    QWidget* makeCallsTab();
    QWidget* makeDiceTab();
    QWidget* makeGamesTab();
    void showFigures();
    void showDiceTable();
    void exportChosen();
    void showExportCaption();
    std::optional<ExportTarget> askExportFile(const QString& title);
    void reviewCurrent();
    std::vector<std::int64_t> selectedGames() const;

    std::filesystem::path dataFolder_;
    StatisticsScope scope_;
    MessageBoxes& messages_;
    RecordStatistics statistics_;
    QTabWidget* tabs_;
    std::vector<QChartView*> views_;
    std::vector<QLabel*> labels_;
    QTableWidget* diceTable_ = nullptr;
    QTableView* gamesView_ = nullptr;
    GamesTableModel* games_ = nullptr;
    QPushButton* export_ = nullptr;
    QPointer<GameReviewWindow> review_;
    QPushButton* leaksButton_ = nullptr;
    QPointer<LeaksWindow> leaks_;
};

} // namespace quintel
