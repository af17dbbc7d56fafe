#include "desktop/dice_row_widget.h"
#include "desktop/game_review_window.h"
#include "desktop/statistics_window.h"
#include "testing/scripted_message_boxes.h"
#include "testing/temp_folder.h"

#include <QAbstractSeries>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QLineSeries>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace quintel::qttest {
namespace {

GameRecord gameOf(std::string player, Seat winner, std::string throws) {
    GameRecord game;
    game.player = std::move(player);
    game.started = "2026-12-09T02:14:44.123Z";
    game.ended = "2026-12-09T02:15:44.123Z";
    game.opponent = "classic";
    game.calls = {{Seat::Human, "2", ""}, {Seat::Computer, "666", ""}};
    game.thrownBeforeCall = {throws, "66612"};
    game.historyLines = {{1, "Call Up Prob : 0.75\r\nWin Prob : 0.5\r\nCALL STRING : 66600\r\n"}};
    game.outcome = {Seat::Human, winner, "666", "66612"};
    game.humanThrows = std::move(throws);
    game.computerThrows = "66612";
    return game;
}

std::string fileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class StatisticsWindowTest : public ::testing::Test {
protected:
    TempFolder folder;
    ScriptedMessageBoxes messages;

    // Ann won her first game and lost her second; Bob played in between.
    StatisticsWindowTest() {
        RecordBook book(RecordBook::pathIn(folder.path()), true);
        book.add(gameOf("Ann", Seat::Human, "12345"));
        book.add(gameOf("Bob", Seat::Computer, "11111"));
        book.add(gameOf("Ann", Seat::Computer, "23456"));
    }

    void selectRows(StatisticsWindow& window, std::initializer_list<int> rows) {
        QItemSelectionModel* selection = window.gamesView().selectionModel();
        selection->clearSelection();
        for (const int row : rows) {
            selection->select(window.gamesView().model()->index(row, 0),
                              QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }
};

TEST_F(StatisticsWindowTest, ShowsTheFiguresOfThePlayersRecord) {
    StatisticsWindow window(folder.path(), {"Ann", 3}, messages);
    EXPECT_EQ(window.windowTitle(), "Statistics of Ann");
    const QString figures = window.figuresText();
    EXPECT_TRUE(figures.contains("All games: 1 of 2 won: 50.0 %")) << figures.toStdString();
    EXPECT_TRUE(figures.contains("no options: 1 of 2 won")) << figures.toStdString();
    EXPECT_TRUE(figures.contains("2.00 calls a game on average")) << figures.toStdString();
    EXPECT_TRUE(figures.contains("This stay: too few dice to judge yet (10 dice)"))
        << figures.toStdString();
    EXPECT_TRUE(figures.contains("All time: too few dice to judge yet (20 dice)"))
        << figures.toStdString();

    // Face 6: one of the stay's 23456 and 66612, three of the first game's 66612.
    EXPECT_EQ(window.diceTable().item(5, 0)->text(), "4");
    EXPECT_EQ(window.diceTable().item(5, 2)->text(), "7");
    EXPECT_EQ(window.diceTable().item(6, 2)->text(), "20");
    EXPECT_EQ(window.gamesView().model()->rowCount(), 2);

    const std::vector<const QChart*> charts = window.charts();
    ASSERT_EQ(charts.size(), 6u);
    for (const QChart* chart : charts) {
        EXPECT_FALSE(chart->series().isEmpty());
        EXPECT_FALSE(chart->title().startsWith("No ")) << chart->title().toStdString();
    }
    const auto views = window.findChildren<QChartView*>();
    ASSERT_EQ(views.size(), 6);
    for (const QChartView* view : views) {
        EXPECT_EQ(view->accessibleName(), view->chart()->title());
        EXPECT_FALSE(view->accessibleName().isEmpty());
    }
    const auto* wins = qobject_cast<const QLineSeries*>(charts[0]->series().front());
    ASSERT_NE(wins, nullptr);
    EXPECT_EQ(wins->points(), (QList<QPointF>{{1, 1}, {2, 1}}));
}

TEST_F(StatisticsWindowTest, AnEmptyFolderShowsEmptyChartsThatSaySo) {
    TempFolder empty;
    StatisticsWindow window(empty.path(), {}, messages);
    EXPECT_EQ(window.windowTitle(), "Statistics");
    EXPECT_EQ(window.gamesView().model()->rowCount(), 0);
    EXPECT_EQ(window.charts()[0]->title(), "No games recorded yet");
    EXPECT_EQ(window.charts()[5]->title(), "No dice thrown yet");
    EXPECT_TRUE(window.figuresText().contains("All games: no games"));
}

TEST_F(StatisticsWindowTest, AFolderNameTheSystemRefusesShowsNoGames) {
    StatisticsWindow window(folder.path() / std::string(300, 'x'), {}, messages);
    EXPECT_EQ(window.gamesView().model()->rowCount(), 0);
    EXPECT_TRUE(window.figuresText().contains("All games: no games"));
}

QPushButton& exportButton(StatisticsWindow& window) {
    auto* button = window.findChild<QPushButton*>("export");
    EXPECT_NE(button, nullptr);
    return *button;
}

TEST_F(StatisticsWindowTest, ExportWritesEveryGameUnlessSomeAreSelectedAndSaysWhich) {
    StatisticsWindow window(folder.path(), {}, messages);
    ASSERT_EQ(window.gamesView().model()->rowCount(), 3);
    EXPECT_EQ(exportButton(window).text(), "Export all 3 games…");
    std::vector<QString> titles;
    ExportTarget target{QString::fromStdString((folder.path() / "all.json").string()),
                        ExportFormat::Json};
    window.chooseExportFile = [&](const QString& title) {
        titles.push_back(title);
        return std::optional(target);
    };
    exportButton(window).click();
    const std::string all = fileText(folder.path() / "all.json");
    int games = 0;
    for (auto at = all.find("\"player\": "); at != std::string::npos;
         at = all.find("\"player\": ", at + 1)) {
        ++games;
    }
    EXPECT_EQ(games, 3) << all;
    EXPECT_NE(all.find("\"player\": \"Bob\""), std::string::npos);

    selectRows(window, {0, 2});
    EXPECT_EQ(exportButton(window).text(), "Export the 2 selected games…");
    target = {QString::fromStdString((folder.path() / "games.csv").string()), ExportFormat::Csv};
    exportButton(window).click();
    const std::string text = fileText(folder.path() / "games.csv");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 3) << text;
    EXPECT_NE(text.find("\n\"Ann\","), std::string::npos);
    EXPECT_EQ(text.find("Bob"), std::string::npos);
    selectRows(window, {1});
    EXPECT_EQ(exportButton(window).text(), "Export the selected game…");
    EXPECT_EQ(titles, (std::vector<QString>{"Export all 3 games", "Export the 2 selected games"}));
}

// A name typed without an extension gets the chosen form's; the dialog asks about replacing that
// file, not a file of the other form with the same name.
TEST(ExportDialog, AddsTheChosenFormsExtensionToANameWithoutOne) {
    TempFolder folder;
    std::ofstream(folder.path() / "games.csv") << "kept\n";
    ExportDialog dialog(nullptr, "Export all 3 games");
    dialog.setDirectory(QString::fromStdString(folder.path().string()));
    dialog.selectNameFilter(dialog.nameFilters().at(1));
    EXPECT_EQ(dialog.chosenFormat(), ExportFormat::Json);
    dialog.selectFile("games");
    bool asked = false;
    QTimer::singleShot(200, [&asked] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            asked = true;
            box->reject();
        }
    });
    dialog.show();
    QMetaObject::invokeMethod(&dialog, "accept");
    EXPECT_FALSE(asked);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const ExportTarget target = dialog.target();
    EXPECT_EQ(target.format, ExportFormat::Json);
    EXPECT_EQ(QFileInfo(target.path).fileName(), "games.json");
    EXPECT_EQ(fileText(folder.path() / "games.csv"), "kept\n");

    EXPECT_EQ(withExtension("/tmp/games", ExportFormat::Csv), "/tmp/games.csv");
    EXPECT_EQ(withExtension("/tmp/games.txt", ExportFormat::Csv), "/tmp/games.txt");
    EXPECT_EQ(formatOf("/tmp/games.JSON", ExportFormat::Csv), ExportFormat::Json);
    EXPECT_EQ(formatOf("/tmp/games.txt", ExportFormat::Json), ExportFormat::Json);
}

TEST_F(StatisticsWindowTest, AnExportThatCannotBeWrittenIsTold) {
    StatisticsWindow window(folder.path(), {}, messages);
    selectRows(window, {0});
    messages.answer(MessageAnswer::Ok);
    const QString nowhere = QString::fromStdString((folder.path() / "no" / "x.csv").string());
    EXPECT_EQ(window.exportGamesTo({nowhere, ExportFormat::Csv}), std::nullopt);
    ASSERT_EQ(messages.texts().size(), 1u);
    EXPECT_NE(messages.texts()[0].find("could not be exported"), std::string::npos);
}

TEST_F(StatisticsWindowTest, TheReviewStepsThroughTheChosenGameInOrder) {
    StatisticsWindow window(folder.path(), {"Ann", std::nullopt}, messages);
    GameReviewWindow* review = window.reviewGame(1);
    ASSERT_NE(review, nullptr);
    EXPECT_EQ(review->windowTitle(), "Review of game 3");
    EXPECT_EQ(review->heading(), "Call 1 of 2, yours");
    EXPECT_EQ(review->called().dice(), "2");
    EXPECT_EQ(review->thrown().dice(), "23456");
    EXPECT_EQ(review->weighed(), "The computer gave your call 2 a chance of 50.0 % to be true, "
                                 "and itself a chance of 75.0 % to beat it. It trusted your call.");
    // The lines behind the sentence, on request.
    EXPECT_FALSE(review->notesShown());
    EXPECT_EQ(review->judgement(), "Call Up Prob : 0.75\nWin Prob : 0.5\nCALL STRING : 66600");
    auto* notes = review->findChild<QPlainTextEdit*>();
    ASSERT_NE(notes, nullptr);
    EXPECT_TRUE(notes->isHidden());
    review->showNotes(true);
    EXPECT_FALSE(notes->isHidden());

    // The keys act in the review's window once it has the focus.
    QApplication::setActiveWindow(review);
    QTest::keyClick(review, Qt::Key_Right);
    EXPECT_EQ(review->heading(), "Call 2 of 2, the computer's");
    EXPECT_EQ(review->called().dice(), "666");
    EXPECT_TRUE(review->weighed().isEmpty()) << "no weighing of the computer's own call";
    review->next();
    EXPECT_EQ(review->heading(), "The end");
    EXPECT_EQ(review->called().dice(), "66612");
    EXPECT_EQ(review->account(), "You did not trust the computer's call 666. The dice were 66612: "
                                 "the call held, and the computer won.");
    review->next();
    EXPECT_EQ(review->heading(), "The end") << "nothing after the end";
    QTest::keyClick(review, Qt::Key_Home);
    EXPECT_EQ(review->heading(), "Call 1 of 2, yours");
    EXPECT_TRUE(review->solved().isEmpty());
}

// The solved game's figures, for any decision, and what the Master believes when it is set.
class HalfAndMore : public DecisionAppraiser {
public:
    std::optional<double> belief;
    std::optional<SolvedChances> appraise(const GameRecord&, const PlayerDecision&) const override {
        return SolvedChances{0.5, 0.625, belief};
    }
};

TEST_F(StatisticsWindowTest, AReviewWithTheSolvedGameShowsTheChoiceBesideTheBest) {
    StatisticsWindow window(folder.path(), {"Ann", std::nullopt}, messages);
    HalfAndMore solved;
    window.appraiser = &solved;
    GameReviewWindow* review = window.reviewGame(0);
    ASSERT_NE(review, nullptr);
    EXPECT_EQ(review->solved(), "Your choice: 50.0 % to win; the best choice: 62.5 %");
    review->next();
    EXPECT_TRUE(review->solved().isEmpty()) << "the computer's call is no decision of yours";
    solved.belief = 0.25;
    review = window.reviewGame(0);
    ASSERT_NE(review, nullptr);
    EXPECT_EQ(review->solved(),
              "Your choice: 50.0 % to win; the best choice: 62.5 %\n"
              "The Master now expects this choice of you here 25.0 % of the time.");
}

} // namespace
} // namespace quintel::qttest
