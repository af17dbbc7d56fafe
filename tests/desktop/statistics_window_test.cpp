#include "desktop/dice_row_widget.h"
#include "desktop/game_review_window.h"
#include "desktop/statistics_window.h"
#include "testing/scripted_message_boxes.h"
#include "testing/temp_folder.h"

#include <QAbstractSeries>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QItemSelectionModel>
#include <QLineSeries>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

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
    game.historyLines = {{1, "Win Prob : 0.5\r\n"}};
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

TEST_F(StatisticsWindowTest, ExportWritesTheSelectedGamesOnly) {
    StatisticsWindow window(folder.path(), {}, messages);
    ASSERT_EQ(window.gamesView().model()->rowCount(), 3);
    selectRows(window, {0, 2});
    const std::filesystem::path csv = folder.path() / "games.csv";
    EXPECT_EQ(window.exportSelected(ExportFormat::Csv, QString::fromStdString(csv.string())), 2);
    const std::string text = fileText(csv);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 3) << text;
    EXPECT_NE(text.find("\n\"Ann\","), std::string::npos);
    EXPECT_EQ(text.find("Bob"), std::string::npos);

    // Through the button, to the file the player chose.
    selectRows(window, {1});
    const std::filesystem::path json = folder.path() / "games.json";
    window.chooseExportFile = [&](ExportFormat format) {
        EXPECT_EQ(format, ExportFormat::Json);
        return QString::fromStdString(json.string());
    };
    QPushButton* button = nullptr;
    for (QPushButton* candidate : window.findChildren<QPushButton*>()) {
        if (candidate->text() == "Export &JSON…") {
            button = candidate;
        }
    }
    ASSERT_NE(button, nullptr);
    button->click();
    const std::string games = fileText(json);
    EXPECT_NE(games.find("\"player\": \"Bob\""), std::string::npos) << games;
    EXPECT_EQ(games.find("Ann"), std::string::npos) << games;
}

TEST_F(StatisticsWindowTest, AnExportThatCannotBeWrittenIsTold) {
    StatisticsWindow window(folder.path(), {}, messages);
    selectRows(window, {0});
    messages.answer(MessageAnswer::Ok);
    const QString nowhere = QString::fromStdString((folder.path() / "no" / "x.csv").string());
    EXPECT_EQ(window.exportSelected(ExportFormat::Csv, nowhere), std::nullopt);
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
    EXPECT_EQ(review->judgement(), "Win Prob : 0.5");

    // The keys act in the review's window once it has the focus.
    QApplication::setActiveWindow(review);
    QTest::keyClick(review, Qt::Key_Right);
    EXPECT_EQ(review->heading(), "Call 2 of 2, the computer's");
    EXPECT_EQ(review->called().dice(), "666");
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

// The solved game's figures, for any decision.
class HalfAndMore : public DecisionAppraiser {
public:
    std::optional<SolvedChances> appraise(const GameRecord&, const PlayerDecision&) const override {
        return SolvedChances{0.5, 0.625};
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
}

} // namespace
} // namespace quintel::qttest
