#include "desktop/statistics_window.h"

#include "desktop/game_review_window.h"
#include "desktop/games_table_model.h"
#include "desktop/leaks_window.h"
#include "desktop/statistics_charts.h"
#include "desktop/window_opening.h"

#include <QChart>
#include <QChartView>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

#include <array>
#include <fstream>

namespace quintel {

namespace {

enum Chart { Timeline, ByOptions, ByOpponent, CallCounts, Challenges, Faces, ChartCount };
enum Label {
    Overall,
    OptionRates,
    OpponentRates,
    CallsLine,
    YourChallenges,
    ComputerChallenges,
    StayDice,
    AllTimeDice,
    Problem,
    LabelCount
};

QString rateLines(const std::vector<GroupRate>& groups) {
    QStringList lines;
    for (const GroupRate& group : groups) {
        lines << QString::fromStdString(group.name + ": " + rateText(group.tally));
    }
    return lines.join('\n');
}

} // namespace

StatisticsWindow::StatisticsWindow(std::filesystem::path dataFolder, StatisticsScope scope,
                                   MessageBoxes& messages, QWidget* parent)
    : QWidget(parent, Qt::Window), dataFolder_(std::move(dataFolder)), scope_(std::move(scope)),
      messages_(messages), tabs_(new QTabWidget(this)) {
    for (int i = 0; i < ChartCount; ++i) {
        auto* view = new QChartView(this);
        view->setRenderHint(QPainter::Antialiasing);
        view->setMinimumSize(320, 240);
        views_.push_back(view);
    }
    for (int i = 0; i < LabelCount; ++i) {
        auto* label = new QLabel(this);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        labels_.push_back(label);
    }
    tabs_->addTab(makeTimelineTab(), tr("Games and wins"));
    tabs_->addTab(makeRatesTab(), tr("Win rates"));
    tabs_->addTab(makeCallsTab(), tr("Calls"));
    tabs_->addTab(makeDiceTab(), tr("Dice"));
    tabs_->addTab(makeGamesTab(), tr("Games"));
    leaksButton_ = new QPushButton(tr("Your &leaks…"), this);
    leaksButton_->setObjectName(QStringLiteral("leaks"));
    connect(leaksButton_, &QPushButton::clicked, this, &StatisticsWindow::showLeaks);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(leaksButton_);
    auto* column = new QVBoxLayout(this);
    column->addWidget(labels_[Problem]);
    column->addWidget(tabs_, 1);
    column->addLayout(buttons);
    chooseExportFile = [this](const QString& title) { return askExportFile(title); };
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);
    resize(820, 620);
    reload();
}

QWidget* StatisticsWindow::makeTimelineTab() {
    auto* tab = new QWidget;
    auto* column = new QVBoxLayout(tab);
    column->addWidget(views_[Timeline], 1);
    column->addWidget(labels_[Overall]);
    return tab;
}

QWidget* StatisticsWindow::makeRatesTab() {
    auto* tab = new QWidget;
    auto* grid = new QGridLayout(tab);
    grid->addWidget(views_[ByOptions], 0, 0);
    grid->addWidget(views_[ByOpponent], 0, 1);
    grid->addWidget(labels_[OptionRates], 1, 0, Qt::AlignTop);
    grid->addWidget(labels_[OpponentRates], 1, 1, Qt::AlignTop);
    grid->setRowStretch(0, 1);
    return tab;
}

QWidget* StatisticsWindow::makeCallsTab() {
    auto* tab = new QWidget;
    auto* grid = new QGridLayout(tab);
    grid->addWidget(views_[CallCounts], 0, 0);
    grid->addWidget(views_[Challenges], 0, 1);
    grid->addWidget(labels_[CallsLine], 1, 0, Qt::AlignTop);
    auto* challenges = new QVBoxLayout;
    challenges->addWidget(labels_[YourChallenges]);
    challenges->addWidget(labels_[ComputerChallenges]);
    grid->addLayout(challenges, 1, 1, Qt::AlignTop);
    grid->setRowStretch(0, 1);
    return tab;
}

QWidget* StatisticsWindow::makeDiceTab() {
    auto* tab = new QWidget;
    auto* grid = new QGridLayout(tab);
    diceTable_ = new QTableWidget(7, 4, tab);
    diceTable_->setHorizontalHeaderLabels(
        {tr("This stay"), tr("Expected"), tr("All time"), tr("Expected")});
    diceTable_->setVerticalHeaderLabels({tr("Face 1"), tr("Face 2"), tr("Face 3"), tr("Face 4"),
                                         tr("Face 5"), tr("Face 6"), tr("Total")});
    diceTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    diceTable_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    diceTable_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    diceTable_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    grid->addWidget(views_[Faces], 0, 0);
    grid->addWidget(diceTable_, 0, 1, Qt::AlignTop);
    grid->addWidget(labels_[StayDice], 1, 0, 1, 2);
    grid->addWidget(labels_[AllTimeDice], 2, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(0, 1);
    return tab;
}

QWidget* StatisticsWindow::makeGamesTab() {
    auto* tab = new QWidget;
    games_ = new GamesTableModel(this);
    gamesView_ = new QTableView(tab);
    gamesView_->setModel(games_);
    gamesView_->setSelectionBehavior(QAbstractItemView::SelectRows);
    gamesView_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    gamesView_->verticalHeader()->hide();
    gamesView_->horizontalHeader()->setStretchLastSection(true);
    // Columns fit the first hundred games: all of a long record would take long to measure.
    gamesView_->horizontalHeader()->setResizeContentsPrecision(100);
    gamesView_->setAccessibleName(tr("Recorded games"));
    auto* review = new QPushButton(tr("&Review…"), tab);
    export_ = new QPushButton(tab);
    export_->setObjectName(QStringLiteral("export"));
    connect(review, &QPushButton::clicked, this, &StatisticsWindow::reviewCurrent);
    connect(export_, &QPushButton::clicked, this, &StatisticsWindow::exportChosen);
    connect(gamesView_, &QTableView::activated, this,
            [this](const QModelIndex& index) { reviewGame(index.row()); });
    connect(gamesView_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &StatisticsWindow::showExportCaption);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(review);
    buttons->addStretch(1);
    buttons->addWidget(export_);
    auto* column = new QVBoxLayout(tab);
    column->addWidget(gamesView_, 1);
    column->addLayout(buttons);
    return tab;
}

void StatisticsWindow::reload() {
    setWindowTitle(scope_.player
                       ? tr("Statistics of %1").arg(QString::fromStdString(*scope_.player))
                       : tr("Statistics"));
    // The leaks are a player's own: with everyone's games there is nobody to tell them to.
    leaksButton_->setEnabled(scope_.player.has_value());
    leaksButton_->setToolTip(scope_.player ? QString() : tr("Sign in to see your leaks."));
    statistics_ = RecordStatistics{};
    statistics_.diceThisStay = diceFigures({});
    statistics_.diceAllTime = diceFigures({});
    labels_[Problem]->hide();
    const std::filesystem::path path = RecordBook::pathIn(dataFolder_);
    if (std::error_code unseen; std::filesystem::exists(path, unseen)) {
        try {
            RecordBook book(path, false);
            statistics_ = gatherStatistics(book, scope_);
        } catch (const std::exception& error) {
            labels_[Problem]->setText(
                tr("The record of games cannot be read: %1").arg(QString::fromUtf8(error.what())));
            labels_[Problem]->show();
        }
    }
    showFigures();
}

void StatisticsWindow::showFigures() {
    const std::array<QChart*, ChartCount> charts{
        winsOverTimeChart(statistics_),
        winRateChart(statistics_.byOptions, tr("Win rate by option set")),
        winRateChart(statistics_.byOpponent, tr("Win rate by opponent")),
        callsChart(statistics_),
        challengesChart(statistics_),
        facesChart(statistics_.diceAllTime)};
    for (std::size_t i = 0; i < charts.size(); ++i) {
        QChart* old = views_[i]->chart();
        views_[i]->setChart(charts[i]);
        // A chart says nothing to a screen reader; its title names it, the figures beside it
        // say what it shows.
        views_[i]->setAccessibleName(charts[i]->title());
        delete old;
    }
    const auto text = [](const std::string& words) { return QString::fromStdString(words); };
    labels_[Overall]->setText(tr("All games: %1").arg(text(rateText(statistics_.all))));
    labels_[OptionRates]->setText(rateLines(statistics_.byOptions));
    labels_[OpponentRates]->setText(rateLines(statistics_.byOpponent));
    labels_[CallsLine]->setText(text(callsText(statistics_)));
    labels_[YourChallenges]->setText(text(challengeText(Seat::Human, statistics_.challenges[0])));
    labels_[ComputerChallenges]->setText(
        text(challengeText(Seat::Computer, statistics_.challenges[1])));
    labels_[StayDice]->setText(
        text(diceLine(tr("This stay").toStdString(), statistics_.diceThisStay)));
    labels_[AllTimeDice]->setText(
        text(diceLine(tr("All time").toStdString(), statistics_.diceAllTime)));
    showDiceTable();
    // The list keeps the games; a long record is not held twice.
    games_->setGames(std::move(statistics_.games));
    statistics_.games.clear();
    gamesView_->resizeColumnsToContents();
    if (games_->rowCount() > 0) {
        // The newest game is the one most likely to be looked at again: Review shows it. It is
        // not selected, so that an export takes every game until the player selects some.
        const QModelIndex newest = games_->index(games_->rowCount() - 1, 0);
        gamesView_->selectionModel()->setCurrentIndex(newest, QItemSelectionModel::NoUpdate);
        gamesView_->scrollTo(newest);
    }
    showExportCaption();
}

void StatisticsWindow::showDiceTable() {
    const std::array<const DiceFigures*, 2> figures{&statistics_.diceThisStay,
                                                    &statistics_.diceAllTime};
    for (std::size_t which = 0; which < figures.size(); ++which) {
        const DiceFigures& dice = *figures[which];
        const int column = static_cast<int>(which) * 2;
        const QString even = QString::number(static_cast<double>(dice.check.dice) / 6.0, 'f', 1);
        for (int face = 0; face < 6; ++face) {
            diceTable_->setItem(
                face, column,
                new QTableWidgetItem(QString::number(dice.faces[static_cast<std::size_t>(face)])));
            diceTable_->setItem(face, column + 1, new QTableWidgetItem(even));
        }
        diceTable_->setItem(6, column, new QTableWidgetItem(QString::number(dice.check.dice)));
        diceTable_->setItem(6, column + 1, new QTableWidgetItem(QString::number(dice.check.dice)));
    }
    for (int row = 0; row < diceTable_->rowCount(); ++row) {
        for (int column = 0; column < diceTable_->columnCount(); ++column) {
            diceTable_->item(row, column)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
    }
}

QString StatisticsWindow::figuresText() const {
    QStringList lines;
    for (const QLabel* label : labels_) {
        if (!label->text().isEmpty()) {
            lines << label->text();
        }
    }
    return lines.join('\n');
}

std::vector<const QChart*> StatisticsWindow::charts() const {
    std::vector<const QChart*> charts;
    for (const QChartView* view : views_) {
        charts.push_back(view->chart());
    }
    return charts;
}

std::vector<std::int64_t> StatisticsWindow::selectedGames() const {
    std::vector<std::int64_t> ids;
    for (const QModelIndex& index : gamesView_->selectionModel()->selectedRows()) {
        ids.push_back(games_->gameId(index.row()));
    }
    return ids;
}

QString StatisticsWindow::exportCaption() const {
    const auto selected = static_cast<int>(selectedGames().size());
    const int all = games_->rowCount();
    if (selected == 1) {
        return tr("Export the selected game");
    }
    if (selected > 1) {
        return tr("Export the %1 selected games").arg(selected);
    }
    return all == 1 ? tr("Export the one game") : tr("Export all %1 games").arg(all);
}

void StatisticsWindow::showExportCaption() {
    export_->setText(exportCaption() + QStringLiteral("…"));
    export_->setEnabled(games_->rowCount() > 0);
}

std::optional<ExportTarget> StatisticsWindow::askExportFile(const QString& title) {
    ExportDialog dialog(this, title);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const ExportTarget target = dialog.target();
    // A dialog of the desktop's own may not add the extension, nor have asked about that file.
    const bool extended = target.path != dialog.selectedFiles().value(0);
    if (extended && QFileInfo::exists(target.path) &&
        !messages_.ask(tr("%1 already exists. Do you want to replace it?")
                           .arg(QFileInfo(target.path).fileName())
                           .toStdString())) {
        return std::nullopt;
    }
    return target;
}

std::optional<long long> StatisticsWindow::exportGamesTo(const ExportTarget& target) {
    std::vector<std::int64_t> ids = selectedGames();
    if (ids.empty()) {
        const GameRows& games = games_->games();
        for (std::size_t row = 0; row < games.size(); ++row) {
            ids.push_back(games.id(row));
        }
    }
    const QString& path = target.path;
    try {
        RecordBook book(RecordBook::pathIn(dataFolder_), false);
        std::ofstream out(path.toStdString(), std::ios::binary);
        const long long written = exportGames(book, ids, target.format, out);
        out.close();
        if (out) {
            return written;
        }
    } catch (const std::exception&) {
        // Told below, as a file that cannot be written is.
    }
    messages_.inform(tr("The games could not be exported to %1.").arg(path).toStdString());
    return std::nullopt;
}

void StatisticsWindow::exportChosen() {
    if (const std::optional<ExportTarget> target = chooseExportFile(exportCaption())) {
        exportGamesTo(*target);
    }
}

void StatisticsWindow::reviewCurrent() {
    const QModelIndex current = gamesView_->currentIndex();
    const QModelIndexList selected = gamesView_->selectionModel()->selectedRows();
    if (current.isValid()) {
        reviewGame(current.row());
    } else if (!selected.isEmpty()) {
        reviewGame(selected.front().row());
    }
}

GameReviewWindow* StatisticsWindow::reviewGame(int row) {
    if (row < 0 || row >= games_->rowCount()) {
        return nullptr;
    }
    const std::int64_t id = games_->gameId(row);
    std::optional<GameRecord> game;
    try {
        RecordBook book(RecordBook::pathIn(dataFolder_), false);
        game = book.game(id);
    } catch (const std::exception&) {
    }
    if (!game) {
        messages_.inform(tr("This game cannot be read from the record.").toStdString());
        return nullptr;
    }
    if (!review_.isNull()) {
        review_->close();
    }
    review_ = new GameReviewWindow(std::move(*game), id, appraiser, this);
    review_->setAttribute(Qt::WA_DeleteOnClose);
    fitAndCentre(*review_, this);
    review_->show();
    review_->raise();
    review_->activateWindow();
    return review_;
}

GameReviewWindow* StatisticsWindow::review() const {
    return review_.data();
}

LeaksWindow* StatisticsWindow::showLeaks() {
    if (!scope_.player) {
        return nullptr;
    }
    // Open for another player since a sign-in, it starts again for this one.
    const QString title = LeaksWindow::titleFor(*scope_.player);
    if (!leaks_.isNull() && leaks_->windowTitle() != title) {
        leaks_->close();
    }
    if (leaks_.isNull()) {
        leaks_ = new LeaksWindow(
            dataFolder_, *scope_.player,
            appraiser != nullptr ? appraiser->solvedFolder() : std::filesystem::path(), this);
        leaks_->setAttribute(Qt::WA_DeleteOnClose);
        fitAndCentre(*leaks_, this);
    }
    leaks_->show();
    leaks_->raise();
    leaks_->activateWindow();
    return leaks_;
}

LeaksWindow* StatisticsWindow::leaks() const {
    return leaks_.data();
}

} // namespace quintel
