// What the record keeps of a game for its review: the history lines written while it was played,
// and the dice thrown before each call; and records made before these were kept.
#include "opponent/classic_computer.h"
#include "records/record_book.h"
#include "testing/table_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quintel::testing {
namespace {

class ReviewFacts : public TableTest {
protected:
    GameRecord lastGame() {
        RecordBook book(RecordBook::pathIn(folder.path()), false);
        std::int64_t last = 0;
        book.forEachNumberedGame([&](std::int64_t id, const GameRecord&) { last = id; });
        return book.game(last).value();
    }

    // The player calls a single 2 and does not trust the computer's answer, or the computer does
    // not trust the player; either way the game ends and the player stops.
    void playAgainstTheComputer() {
        messages.answer(MessageAnswer::Ok); // the verdict
        messages.answer(MessageAnswer::Ok); // the result
        messages.answer(MessageAnswer::No);
        messages.answer(MessageAnswer::Ok);
        humanCalls("2");
        if (table.shown()) {
            table.XTrust.click();
        }
    }
};

TEST_F(ReviewFacts, TheComputersLinesOfAGameAreKeptAsTheHistoryFileHasThem) {
    ClassicComputer opponent(random, game, &game.profile);
    game.computer = &opponent;
    signIn(false, false, "Cid");
    const std::string historyPath = game.history.path().string();
    playAgainstTheComputer();
    ASSERT_FALSE(table.shown());

    const GameRecord kept = lastGame();
    ASSERT_FALSE(kept.historyLines.empty());
    std::string written;
    for (const HistoryLine& line : kept.historyLines) {
        written += line.text + "\r\n";
        // The computer weighs the player's first call: nothing is written before it.
        EXPECT_EQ(line.afterCalls, 1) << line.text;
    }
    const std::string header = "Cid HISTORY\r\n\r\n\r\n";
    const std::string file = fileBytes(historyPath);
    // Between the header and the table's logs written after the game: the game's lines, whole.
    ASSERT_EQ(file.substr(0, header.size()), header);
    EXPECT_EQ(file.substr(header.size(), written.size()), written);
    EXPECT_EQ(file.substr(header.size() + written.size(), 13), "Cid Call: 2\r\n");
}

TEST_F(ReviewFacts, EachCallKeepsTheDiceItsCallerThrewSinceTheCallBefore) {
    signIn();
    const std::string firstThrow = diceDigits(table.diceValues());
    computer.onAnswer = [this] { game.history.writeLine("weighed"); };
    reachAnswer("66543", "665", "66");
    table.Trust.click();
    table.Change_Dice.click();
    table.Dice[3].click();
    table.Dice[4].click();
    table.Roll.click();
    const std::string rethrow = table.Dice[3].caption + table.Dice[4].caption;
    computer.challenges();
    messages.clear();
    humanCalls("66655");

    const GameRecord kept = lastGame();
    // The scripted computer threw the dice after the ones it kept.
    EXPECT_EQ(kept.thrownBeforeCall, (std::vector<std::string>{firstThrow, "543", rethrow}));
    EXPECT_EQ(kept.historyLines, (std::vector<HistoryLine>{{1, "weighed"}, {3, "weighed"}}));
}

TEST_F(ReviewFacts, AStayStartsAtSignInAndRunsFromItsFirstKeptGame) {
    EXPECT_FALSE(game.record.stay().has_value());
    signIn(false, false, "Dee");
    ASSERT_TRUE(game.record.stay().has_value());
    EXPECT_EQ(game.record.stay()->player, "Dee");
    EXPECT_FALSE(game.record.stay()->firstGame.has_value()) << "no game kept yet";
    computer.challenges();
    messages.answer(MessageAnswer::Ok);
    messages.answer(MessageAnswer::Ok);
    messages.answer(MessageAnswer::Yes);
    humanCalls("2");
    computer.challenges();
    messages.answer(MessageAnswer::Ok);
    messages.answer(MessageAnswer::Ok);
    messages.answer(MessageAnswer::No);
    messages.answer(MessageAnswer::Ok);
    humanCalls("2");
    EXPECT_EQ(game.record.gamesKept(), 2);
    EXPECT_EQ(game.record.stay()->firstGame, 1);

    signIn(false, false, "Eve");
    EXPECT_EQ(game.record.stay()->player, "Eve");
    EXPECT_FALSE(game.record.stay()->firstGame.has_value());
}

TEST(RecordBookReview, ARecordFromBeforeTheReviewOpensAndKeepsNewGamesWhole) {
    TempFolder folder;
    const auto path = RecordBook::pathIn(folder.path());
    {
        // The record as it was first made: games and calls only.
        sqlite::Database old(path, true);
        old.execute(
            "CREATE TABLE games(id INTEGER PRIMARY KEY, player TEXT NOT NULL, started TEXT NOT "
            "NULL, ended TEXT NOT NULL, fix_any INTEGER NOT NULL, fix_permanent INTEGER NOT NULL, "
            "opponent TEXT NOT NULL, challenger INTEGER NOT NULL, winner INTEGER NOT NULL, "
            "challenged_call TEXT NOT NULL, revealed TEXT NOT NULL, coach_used INTEGER NOT NULL, "
            "human_throws TEXT NOT NULL, computer_throws TEXT NOT NULL, call_count INTEGER NOT "
            "NULL);"
            "CREATE TABLE calls(game INTEGER NOT NULL REFERENCES games(id), number INTEGER NOT "
            "NULL, caller INTEGER NOT NULL, dice TEXT NOT NULL, fixed TEXT NOT NULL, PRIMARY "
            "KEY(game, number)) WITHOUT ROWID;"
            "INSERT INTO games VALUES(1, 'Ann', 'a', 'b', 0, 0, 'classic', 0, 1, '2', '13456', 0, "
            "'13456', '', 1);"
            "INSERT INTO calls VALUES(1, 1, 0, '2', '');");
    }
    RecordBook book(path, false);
    // Upgraded to this program's version, after a copy of the record as it was.
    sqlite::Statement version = book.database().prepare("PRAGMA user_version");
    version.step();
    EXPECT_EQ(version.integer(0), RecordBook::kVersion);
    sqlite::Database copy(folder.path() / "record.sqlite.backup-v0",
                          sqlite::Database::Reading::shared);
    sqlite::Statement copied = copy.prepare(
        "SELECT (SELECT count(*) FROM games), (SELECT count(*) FROM sqlite_master), user_version "
        "FROM pragma_user_version");
    ASSERT_TRUE(copied.step());
    EXPECT_EQ(copied.integer(0), 1);
    EXPECT_EQ(copied.integer(1), 2) << "games and calls only";
    EXPECT_EQ(copied.integer(2), 0);

    const std::optional<GameRecord> old = book.game(1);
    ASSERT_TRUE(old.has_value());
    EXPECT_EQ(old->calls, (std::vector<RecordedCall>{{Seat::Human, "2", ""}}));
    EXPECT_TRUE(old->thrownBeforeCall.empty());
    EXPECT_TRUE(old->historyLines.empty());

    GameRecord next = *old;
    next.thrownBeforeCall = {"13456"};
    next.historyLines = {{1, "Win Prob : 0.5\r\n"}};
    const std::int64_t id = book.add(next);
    EXPECT_EQ(book.game(id), next);
    EXPECT_FALSE(book.game(id + 1).has_value());
}

} // namespace
} // namespace quintel::testing
