#include "records/record_statistics.h"

#include "testing/temp_folder.h"

#include <gtest/gtest.h>

#include <vector>

namespace quintel {
namespace {

GameRecord gameOf(std::string player, bool fixAny, std::string opponent, Seat challenger,
                  Seat winner, int calls, std::string humanThrows, std::string computerThrows) {
    GameRecord game;
    game.player = std::move(player);
    game.started = "2026-12-09T02:14:44.123Z";
    game.ended = game.started;
    game.fixAny = fixAny;
    game.opponent = std::move(opponent);
    for (int k = 0; k < calls; ++k) {
        game.calls.push_back({k % 2 == 0 ? Seat::Human : Seat::Computer, "2", ""});
    }
    game.outcome = {challenger, winner, "2", "13456"};
    game.humanThrows = std::move(humanThrows);
    game.computerThrows = std::move(computerThrows);
    return game;
}

class Statistics : public ::testing::Test {
protected:
    TempFolder folder;
    RecordBook book{RecordBook::pathIn(folder.path()), true};
    std::vector<std::int64_t> ids;

    // Ann: four games, two won; Bob: one game, lost.
    Statistics() {
        const Seat you = Seat::Human;
        const Seat it = Seat::Computer;
        ids.push_back(book.add(gameOf("Ann", false, "classic", you, you, 2, "11111", "")));
        ids.push_back(book.add(gameOf("Bob", true, "classic", it, it, 3, "66666", "666")));
        ids.push_back(book.add(gameOf("Ann", true, "expert", it, you, 1, "22222", "")));
        ids.push_back(book.add(gameOf("Ann", true, "classic", you, it, 2, "33333", "44")));
        ids.push_back(book.add(gameOf("Ann", false, "classic", it, it, 4, "5", "")));
    }
};

TEST_F(Statistics, CountOnlyThePlayersGamesByOptionsOpponentCallsAndChallenges) {
    const RecordStatistics figures = gatherStatistics(book, {"Ann", std::nullopt});
    ASSERT_EQ(figures.games.size(), 4u);
    EXPECT_EQ(figures.games[1].id, ids[2]);
    EXPECT_EQ(figures.games[1].options, "Fix Any");
    EXPECT_EQ(figures.all, (WinTally{4, 2}));

    ASSERT_EQ(figures.byOptions.size(), 2u);
    EXPECT_EQ(figures.byOptions[0].name, "Fix Any");
    EXPECT_EQ(figures.byOptions[0].tally, (WinTally{2, 1}));
    EXPECT_EQ(figures.byOptions[1].name, "no options");
    EXPECT_EQ(figures.byOptions[1].tally, (WinTally{2, 1}));
    EXPECT_DOUBLE_EQ(figures.byOptions[1].rate, 0.5);
    // Wilson's interval of one in two.
    EXPECT_NEAR(figures.byOptions[1].interval.low, 0.0945, 1e-4);
    EXPECT_NEAR(figures.byOptions[1].interval.high, 0.9055, 1e-4);

    ASSERT_EQ(figures.byOpponent.size(), 2u);
    EXPECT_EQ(figures.byOpponent[0].name, "classic");
    EXPECT_EQ(figures.byOpponent[0].tally, (WinTally{3, 1}));
    EXPECT_EQ(figures.byOpponent[1].name, "expert");
    EXPECT_EQ(figures.byOpponent[1].tally, (WinTally{1, 1}));

    EXPECT_EQ(figures.gamesByCalls, (std::vector<long long>{0, 1, 2, 0, 1}));
    EXPECT_DOUBLE_EQ(figures.callsPerGame, 9.0 / 4.0);
    // The player challenged twice and won once; the computer challenged twice and won once.
    EXPECT_EQ(figures.challenges[0], (ChallengeTally{2, 1}));
    EXPECT_EQ(figures.challenges[1], (ChallengeTally{2, 1}));
}

TEST_F(Statistics, DiceOfTheStayAreThoseFromItsFirstGameOnAndAllTimeAreEvery) {
    const RecordStatistics figures = gatherStatistics(book, {"Ann", ids[3]});
    EXPECT_EQ(figures.diceThisStay.faces, (FaceTally{0, 0, 5, 2, 1, 0}));
    EXPECT_EQ(figures.diceThisStay.check.dice, 8);
    EXPECT_EQ(figures.diceAllTime.faces, (FaceTally{5, 5, 5, 2, 1, 0}));
    EXPECT_EQ(figures.diceAllTime.verdict, diceVerdict(checkDice(figures.diceAllTime.faces)));

    const RecordStatistics everyone = gatherStatistics(book, {});
    EXPECT_EQ(everyone.all, (WinTally{5, 2}));
    EXPECT_EQ(everyone.diceAllTime.faces, (FaceTally{5, 5, 5, 2, 1, 8}));
    EXPECT_EQ(everyone.diceThisStay.check.dice, 0) << "no stay, no dice of it";
}

TEST(StatisticsOfNothing, AnEmptyRecordHasNoGamesNoTimelineAndNoDice) {
    TempFolder folder;
    RecordBook book(RecordBook::pathIn(folder.path()), true);
    const RecordStatistics figures = gatherStatistics(book, {"Ann", std::nullopt});
    EXPECT_TRUE(figures.games.empty());
    EXPECT_TRUE(figures.timeline.empty());
    EXPECT_TRUE(figures.byOptions.empty());
    EXPECT_EQ(figures.callsPerGame, 0.0);
    EXPECT_EQ(figures.diceAllTime.check.dice, 0);
}

TEST(WinTimeline, FollowsEachGameWithTheRateOfTheLastFew) {
    const std::vector<TimelinePoint> timeline = winTimeline({true, false, true, true}, 10, 2);
    ASSERT_EQ(timeline.size(), 4u);
    const std::vector<std::pair<long long, double>> expected{
        {1, 1.0}, {1, 0.5}, {2, 0.5}, {3, 1.0}};
    for (std::size_t k = 0; k < timeline.size(); ++k) {
        EXPECT_EQ(timeline[k].game, static_cast<long long>(k + 1));
        EXPECT_EQ(timeline[k].wins, expected[k].first) << k;
        EXPECT_DOUBLE_EQ(timeline[k].movingWinRate, expected[k].second) << k;
    }
}

TEST(WinTimeline, ALongRecordIsSampledEvenlyFromItsFirstGameToItsLast) {
    std::vector<bool> wins;
    for (int k = 0; k < 1000; ++k) {
        wins.push_back(k % 3 == 0 || k > 900);
    }
    const std::vector<TimelinePoint> timeline = winTimeline(wins, 10, 20);
    ASSERT_EQ(timeline.size(), 10u);
    EXPECT_EQ(timeline.front().game, 1);
    EXPECT_EQ(timeline.back().game, 1000);
    for (std::size_t j = 0; j < timeline.size(); ++j) {
        const auto played = static_cast<std::size_t>(timeline[j].game);
        long long won = 0;
        long long recent = 0;
        for (std::size_t k = 0; k < played; ++k) {
            won += wins[k] ? 1 : 0;
            recent += wins[k] && k + 20 >= played ? 1 : 0;
        }
        EXPECT_EQ(timeline[j].wins, won) << played;
        EXPECT_DOUBLE_EQ(timeline[j].movingWinRate,
                         static_cast<double>(recent) /
                             static_cast<double>(std::min<std::size_t>(played, 20)))
            << played;
        if (j > 0) {
            EXPECT_GT(timeline[j].game, timeline[j - 1].game);
        }
    }
}

TEST(StatisticsTexts, RatesChallengesCallsAndDiceInWords) {
    EXPECT_EQ(rateText({}), "no games");
    EXPECT_EQ(rateText({2, 1}), "1 of 2 won: 50.0 %, 95 % interval 9.5 % to 90.5 %");
    EXPECT_EQ(rateText({12340, 0}).substr(0, 18), "0 of 12,340 won: 0");

    EXPECT_EQ(challengeText(Seat::Human, {}),
              "You have trusted every call of the computer's so far.");
    EXPECT_EQ(challengeText(Seat::Human, {1, 1}),
              "You did not trust the computer's call 1 time and were right in 1: 100.0 %.");
    EXPECT_EQ(challengeText(Seat::Computer, {4, 1}),
              "The computer did not trust your call 4 times and was right in 1: 25.0 %.");

    RecordStatistics none;
    EXPECT_EQ(callsText(none), "");
    none.all = {3, 1};
    none.callsPerGame = 7.0 / 3.0;
    EXPECT_EQ(callsText(none), "2.33 calls a game on average");

    EXPECT_EQ(diceLine("This stay", diceFigures({1, 1, 1, 1, 1, 1})),
              "This stay: too few dice to judge yet (6 dice)");
    // Even faces: chi-square 0, nothing unusual.
    EXPECT_EQ(diceLine("All time", diceFigures({10, 10, 10, 10, 10, 10})),
              "All time: nothing unusual in 60 dice (chi-square 0.00, p = 1)");
    // All on one face: the verdict names its p-value, the line adds only the chi-square.
    EXPECT_EQ(diceLine("All time", diceFigures({60, 0, 0, 0, 0, 0})),
              "All time: the faces are far from even in 60 dice (p = 1e-62) (chi-square 300.00)");

    EXPECT_EQ(seatWords(Seat::Computer), "The computer");
    EXPECT_EQ(startedText("2026-12-09T02:14:44.123Z"), "2026-12-09 02:14");
    EXPECT_EQ(startedText(""), "");
}

} // namespace
} // namespace quintel
