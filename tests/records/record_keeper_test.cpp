#include "testing/table_fixture.h"

#include "records/record_book.h"
#include "table/result_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace quintel::testing {
namespace {

class Record : public TableTest {
protected:
    Record() {
        game.record.useClock([this] { return "t" + std::to_string(++ticks); });
    }

    std::vector<GameRecord> kept() {
        std::vector<GameRecord> games;
        RecordBook book(RecordBook::pathIn(folder.path()), false);
        book.forEachGame([&](const GameRecord& one) { games.push_back(one); });
        return games;
    }

    // The player calls a single 2, the computer answers and the player does not trust it.
    // `problems` more boxes tell of the record, after the result.
    void playChallengedGame(std::string computerDice, std::string call, std::string fix,
                            MessageAnswer goOn, int problems = 0) {
        reachAnswer(std::move(computerDice), std::move(call), std::move(fix));
        messages.clear();
        for (int i = 0; i < problems; ++i) {
            messages.answer(MessageAnswer::Ok);
        }
        messages.answer(MessageAnswer::Ok);
        messages.answer(MessageAnswer::Ok);
        messages.answer(goOn);
        table.XTrust.click();
    }

    int ticks = 0;
};

TEST_F(Record, KeepsEveryFactOfADecidedGame) {
    signIn(true, false, "Bea");
    const std::string firstThrow = diceDigits(table.diceValues());
    playChallengedGame("66543", "66543", "66", MessageAnswer::Yes);

    const std::vector<GameRecord> games = kept();
    ASSERT_EQ(games.size(), 1u);
    const GameRecord& one = games[0];
    EXPECT_EQ(one.player, "Bea");
    EXPECT_EQ(one.started, "t1");
    EXPECT_EQ(one.ended, "t2");
    EXPECT_TRUE(one.fixAny);
    EXPECT_FALSE(one.fixPermanent);
    EXPECT_EQ(one.opponent, "classic");
    EXPECT_EQ(one.calls,
              (std::vector<RecordedCall>{{Seat::Human, "2", ""}, {Seat::Computer, "66543", "66"}}));
    EXPECT_EQ(one.outcome, (GameOutcome{Seat::Human, Seat::Computer, "66543", "66543"}));
    EXPECT_FALSE(one.coachUsed);
    EXPECT_EQ(one.humanThrows, firstThrow);
    // The scripted computer threw the dice after the ones it kept.
    EXPECT_EQ(one.computerThrows, "543");
}

TEST_F(Record, KeepsThePlayersRethrowAndTheComputersThrowsInOrder) {
    signIn();
    const std::string firstThrow = diceDigits(table.diceValues());
    reachAnswer("66543", "665", "66");
    table.Trust.click();
    table.Change_Dice.click();
    table.Dice[3].click();
    table.Dice[4].click();
    table.Roll.click();
    const std::string rethrow = table.Dice[3].caption + table.Dice[4].caption;
    // The computer answers the player's next call and is not trusted.
    computer.challenges();
    messages.clear();
    humanCalls("66655");

    const std::vector<GameRecord> games = kept();
    ASSERT_EQ(games.size(), 1u);
    EXPECT_EQ(games[0].humanThrows, firstThrow + rethrow);
    EXPECT_EQ(games[0].outcome.challenger, Seat::Computer);
    ASSERT_EQ(games[0].calls.size(), 3u);
    EXPECT_EQ(games[0].calls[2], (RecordedCall{Seat::Human, "66655", "665"}));
}

TEST_F(Record, KeepsOnlyDecidedGames) {
    signIn();
    playChallengedGame("66543", "66543", "", MessageAnswer::Yes);
    // A match dropped by closing the table is not a game.
    reachAnswer("55432", "6");
    table.Form_Unload();
    EXPECT_EQ(kept().size(), 1u);
    EXPECT_EQ(game.record.gamesKept(), 1);
}

TEST_F(Record, ADamagedRecordIsSetAsideOnceAndANewOneStarted) {
    const auto path = RecordBook::pathIn(folder.path());
    std::ofstream(path, std::ios::binary) << std::string(4096, 'x');
    signIn();
    playChallengedGame("66543", "66543", "", MessageAnswer::Yes, 1);
    const std::vector<std::string> told = messages.texts();
    const auto damaged = std::count_if(told.begin(), told.end(), [](const std::string& text) {
        return text.find("was damaged") != std::string::npos;
    });
    EXPECT_EQ(damaged, 1);
    EXPECT_EQ(fileBytes(folder.path() / "record.sqlite.damaged-1"), std::string(4096, 'x'));
    messages.clear();
    playChallengedGame("66543", "66543", "", MessageAnswer::Yes);
    EXPECT_EQ(messages.texts().size(), 3u) << "nothing more is told";
    EXPECT_EQ(kept().size(), 2u);
    EXPECT_EQ(game.tally.played, 2);
}

TEST_F(Record, ARecordThatCannotBeOpenedIsToldOnceAndPlayGoesOn) {
    std::filesystem::create_directory(RecordBook::pathIn(folder.path()));
    signIn();
    const auto toldCannot = [this] {
        const std::vector<std::string> told = messages.texts();
        return std::count_if(told.begin(), told.end(), [](const std::string& text) {
            return text.find("cannot be recorded") != std::string::npos;
        });
    };
    playChallengedGame("66543", "66543", "", MessageAnswer::Yes, 1);
    EXPECT_EQ(toldCannot(), 1) << ::testing::PrintToString(messages.texts());
    // Told once the player knows who won, before the question whether to go on.
    const std::vector<std::string> told = messages.texts();
    ASSERT_EQ(told.size(), 4u) << ::testing::PrintToString(told);
    EXPECT_EQ(told[1], kLostText);
    EXPECT_NE(told[2].find("cannot be recorded"), std::string::npos);
    EXPECT_EQ(told[3], kContinueQuestion);
    playChallengedGame("66543", "66543", "", MessageAnswer::Yes);
    EXPECT_EQ(toldCannot(), 0) << ::testing::PrintToString(messages.texts());
    EXPECT_EQ(game.tally.played, 2);
}

TEST(RecordBookTest, AGameIsKeptWholeOrNotAtAll) {
    TempFolder folder;
    const auto path = RecordBook::pathIn(folder.path());
    GameRecord one{"Ann",
                   "a",
                   "b",
                   false,
                   true,
                   "classic",
                   {{Seat::Human, "2", ""}, {Seat::Computer, "3", "3"}, {Seat::Human, "4", ""}},
                   {Seat::Computer, Seat::Human, "4", "44123"},
                   false,
                   "12345",
                   "3",
                   {},
                   {}};
    {
        RecordBook book(path, true);
        book.add(one);
        // The third call of the next game is refused half way through its transaction.
        book.database().execute("CREATE TRIGGER refuse BEFORE INSERT ON calls WHEN NEW.number = 3 "
                                "BEGIN SELECT RAISE(ABORT, 'refused'); END;");
        EXPECT_THROW(book.add(one), sqlite::Error);
        EXPECT_EQ(book.incompleteGames(), 0);
    }
    RecordBook reopened(path, false);
    std::vector<GameRecord> games;
    reopened.forEachGame([&](const GameRecord& game) { games.push_back(game); });
    EXPECT_EQ(games, std::vector<GameRecord>{one});
}

TEST(RecordBookTest, AGamesTableOfAnotherShapeIsNotARecord) {
    TempFolder folder;
    const auto path = RecordBook::pathIn(folder.path());
    sqlite::Database(path, true).execute("CREATE TABLE games(id INTEGER PRIMARY KEY, x TEXT)");
    try {
        RecordBook book(path, false);
        FAIL() << "opened";
    } catch (const sqlite::Error& error) {
        EXPECT_FALSE(error.damaged());
    }
}

// Another program's database, or a record of a version this program does not know, is not the
// game's to write: it is refused before anything is written, and not set aside as damaged.
TEST(RecordBookTest, ADatabaseThatIsNoRecordOfThisProgramIsLeftAsItIs) {
    TempFolder folder;
    const auto path = RecordBook::pathIn(folder.path());
    for (const auto& [setUp, why] :
         {std::pair<std::string_view, std::string_view>{
              "CREATE TABLE notes(text TEXT); INSERT INTO notes VALUES('mine')",
              "it is not a record of games: it has no games table"},
          {"PRAGMA user_version = 7", "it is a record of version 7, which this program does not "
                                      "know (it keeps version 1)"}}) {
        std::filesystem::remove(path);
        sqlite::Database(path, true).execute(setUp);
        const std::string bytes = fileBytes(path);
        try {
            RecordBook book(path, true);
            ADD_FAILURE() << "opened " << setUp;
        } catch (const RecordRefused& refused) {
            EXPECT_FALSE(refused.damaged());
            EXPECT_EQ(std::string(refused.what()), why);
        }
        EXPECT_EQ(fileBytes(path), bytes) << setUp;
        EXPECT_EQ(folder.names(), std::set<std::string>{"record.sqlite"}) << setUp;
    }
}

TEST_F(Record, ARecordOfANewerVersionIsToldOnceAndLeftAsItIs) {
    const auto path = RecordBook::pathIn(folder.path());
    sqlite::Database(path, true).execute("PRAGMA user_version = 2; CREATE TABLE games(id)");
    const std::string bytes = fileBytes(path);
    signIn();
    playChallengedGame("66543", "66543", "", MessageAnswer::Yes, 1);
    const std::vector<std::string> told = messages.texts();
    EXPECT_TRUE(std::any_of(told.begin(), told.end(), [](const std::string& text) {
        return text.find("cannot be recorded") != std::string::npos &&
               text.find("version 2") != std::string::npos;
    })) << ::testing::PrintToString(told);
    EXPECT_EQ(fileBytes(path), bytes);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "record.sqlite.damaged-1"));
    EXPECT_EQ(game.record.gamesLost(), 1);
}

TEST(RecordBookTest, TimesAreUtcInIso8601) {
    EXPECT_TRUE(
        std::regex_match(utcNow(), std::regex(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}Z)")));
}

} // namespace
} // namespace quintel::testing
