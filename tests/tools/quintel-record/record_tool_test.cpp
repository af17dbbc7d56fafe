#include "arena.h"
#include "record_tool.h"
#include "records/record_book.h"
#include "records/record_summary.h"
#include "testing/file_faults.h"
#include "testing/table_fixture.h"
#include "testing/temp_folder.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace quintel::testing {
namespace {

struct ToolRun {
    int status = 0;
    std::string out, err;
};

ToolRun runTool(std::vector<std::string_view> arguments) {
    std::ostringstream out, err;
    const int status = record_tool::run(arguments, out, err);
    return {status, out.str(), err.str()};
}

GameRecord someGame(std::string player, bool fixAny, Seat winner, std::string throws) {
    return {std::move(player),
            "2026-01-01T00:00:00.000Z",
            "2026-01-01T00:00:01.000Z",
            fixAny,
            false,
            "classic",
            {{Seat::Human, "2", ""}},
            {Seat::Computer, winner, "2", "22345"},
            false,
            std::move(throws),
            "66",
            {},
            {}};
}

TEST(RecordTool, SummarisesGamesWinsAndFacesPerOptionSet) {
    TempFolder folder;
    RandomSource random(99);
    WinTally plain, fixAny;
    FaceTally faces{};
    {
        RecordBook book(RecordBook::pathIn(folder.path()), true);
        for (int i = 0; i < 57; ++i) {
            const bool any = random.next() < 0.3;
            const bool won = random.next() < 0.6;
            std::string throws;
            for (int k = 0; k < 7; ++k) {
                throws += static_cast<char>('0' + random.die());
            }
            book.add(someGame("P", any, won ? Seat::Human : Seat::Computer, throws));
            WinTally& tally = any ? fixAny : plain;
            ++tally.games;
            tally.wins += won ? 1 : 0;
            tallyFaces(throws + "66", faces);
        }
        const RecordSummary summary = summarizeRecord(book);
        EXPECT_EQ(summary.all, (WinTally{57, plain.wins + fixAny.wins}));
        EXPECT_EQ(summary.byOptionsAndOpponent.at({"no options", "classic"}), plain);
        EXPECT_EQ(summary.byOptionsAndOpponent.at({"Fix Any", "classic"}), fixAny);
        EXPECT_EQ(summary.faces, faces);
        EXPECT_EQ(summary.incomplete, 0);
    }
    const ToolRun run = runTool({folder.path().c_str()});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("All: 57 games, " + std::to_string(plain.wins + fixAny.wins) + " won"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("Fix Any against classic: " + std::to_string(fixAny.games) + " games"),
              std::string::npos)
        << run.out;
    // The computer's two sixes a game weigh the faces far from even.
    EXPECT_NE(run.out.find("Dice: the faces are far from even in 513 dice"), std::string::npos)
        << run.out;
}

TEST(RecordTool, ExportsEveryGameAsCsvAndJson) {
    TempFolder folder;
    TempFolder elsewhere;
    {
        RecordBook book(RecordBook::pathIn(folder.path()), true);
        book.add(someGame("Lee, \"the\" second", true, Seat::Human, "12345"));
        book.add(someGame("Ann", false, Seat::Computer, "666"));
    }
    const std::string csv = (elsewhere.path() / "games.csv").string();
    const std::string json = (elsewhere.path() / "games.json").string();
    const ToolRun run = runTool({folder.path().c_str(), "--csv", csv, "--json", json});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string csvText = fileBytes(csv);
    EXPECT_EQ(std::count(csvText.begin(), csvText.end(), '\n'), 3);
    EXPECT_NE(csvText.find("\"Lee, \"\"the\"\" second\",\"2026-01-01T00:00:00.000Z\","
                           "\"2026-01-01T00:00:01.000Z\",\"Fix Any\",\"classic\",\"player 2/\","
                           "\"computer\",\"player\",\"2\",\"22345\",\"false\",\"12345\",\"66\"\n"),
              std::string::npos)
        << csvText;
    const std::string jsonText = fileBytes(json);
    EXPECT_EQ(jsonText.front(), '[');
    EXPECT_NE(jsonText.find("{\"player\": \"Lee, \\\"the\\\" second\""), std::string::npos);
    EXPECT_NE(
        jsonText.find("\"calls\": [{\"caller\": \"player\", \"dice\": \"2\", \"fixed\": \"\"}]"),
        std::string::npos);
    EXPECT_EQ(std::count(jsonText.begin(), jsonText.end(), '{'), 4);
    EXPECT_TRUE(jsonText.ends_with("}\n]\n"));
    EXPECT_EQ(elsewhere.names(), (std::set<std::string>{"games.csv", "games.json"}));
}

// An export never lands in the data folder, where it could replace the record or a player's
// file, nor twice in one file; the files it names are written whole or not at all.
TEST(RecordTool, RefusesToWriteWhereItReads) {
    TempFolder folder;
    TempFolder elsewhere;
    {
        RecordBook book(RecordBook::pathIn(folder.path()), true);
        book.add(someGame("Ann", false, Seat::Human, "12345"));
    }
    const std::string record = RecordBook::pathIn(folder.path()).string();
    const std::string inFolder = (folder.path() / "games.csv").string();
    const std::string viaDot = (folder.path() / "." / "record.sqlite").string();
    const std::string out = (elsewhere.path() / "games").string();
    const std::string outAgain = (elsewhere.path() / "." / "games").string();
    const std::string data = folder.path().string();
    for (const std::vector<std::string_view>& arguments :
         std::vector<std::vector<std::string_view>>{{data, "--csv", record},
                                                    {data, "--json", viaDot},
                                                    {data, "--csv", inFolder},
                                                    {data, "--csv", out, "--json", outAgain},
                                                    {data, "--csv", out, "--csv", inFolder}}) {
        const ToolRun refused = runTool(arguments);
        EXPECT_EQ(refused.status, 2) << ::testing::PrintToString(arguments);
    }
    const std::set<std::string> kept = folder.names();
    EXPECT_EQ(kept.count("games.csv"), 0u);
    EXPECT_TRUE(elsewhere.names().empty());
    const ToolRun noFolder = runTool({data, "--csv", (elsewhere.path() / "no" / "x").string()});
    EXPECT_EQ(noFolder.status, 1);
    EXPECT_NE(noFolder.err.find("cannot write"), std::string::npos) << noFolder.err;
    EXPECT_EQ(runTool({data}).status, 0) << "the record is whole";
}

// The record of a data folder is only read: a database of another program, or a record of a
// version this program does not know, is refused and left as it is, and reading changes nothing
// in the folder.
TEST(RecordTool, ReadsWithoutChangingAnything) {
    TempFolder folder;
    const auto path = RecordBook::pathIn(folder.path());
    {
        RecordBook book(path, true);
        book.add(someGame("Ann", false, Seat::Human, "12345"));
    }
    const std::set<std::string> names = folder.names();
    const std::string bytes = fileBytes(path);
    TempFolder elsewhere;
    const ToolRun read = runTool(
        {folder.path().c_str(), "--check", "--json", (elsewhere.path() / "g.json").string()});
    EXPECT_EQ(read.status, 0) << read.err;
    EXPECT_NE(read.out.find("Check: ok"), std::string::npos) << read.out;
    EXPECT_EQ(folder.names(), names);
    EXPECT_EQ(fileBytes(path), bytes);

    const auto refusedLeavingItAsItIs = [&](std::string_view setUp, std::string_view why) {
        std::filesystem::remove(path);
        sqlite::Database(path, true).execute(setUp);
        const std::string before = fileBytes(path);
        const std::set<std::string> namesBefore = folder.names();
        const ToolRun run = runTool({folder.path().c_str()});
        EXPECT_EQ(run.status, 1) << setUp;
        EXPECT_NE(run.err.find(why), std::string::npos) << run.err;
        EXPECT_EQ(fileBytes(path), before) << setUp;
        EXPECT_EQ(folder.names(), namesBefore) << setUp;
        sqlite::Database database(path, sqlite::Database::Reading::shared);
        sqlite::Statement mode = database.prepare("PRAGMA journal_mode");
        mode.step();
        EXPECT_EQ(mode.text(0), "delete") << setUp;
    };
    refusedLeavingItAsItIs("CREATE TABLE notes(text TEXT); INSERT INTO notes VALUES('mine')",
                           "it is not a record of games: it has no games table");
    refusedLeavingItAsItIs("PRAGMA user_version = 0", "it has no games table");
    refusedLeavingItAsItIs("PRAGMA user_version = 7; CREATE TABLE games(id INTEGER)",
                           "it is a record of version 7");
}

// A read-only folder, where SQLite could make no log files, is read all the same.
TEST(RecordTool, SummarisesARecordInAReadOnlyFolder) {
    TempFolder folder;
    {
        RecordBook book(RecordBook::pathIn(folder.path()), true);
        book.add(someGame("Ann", false, Seat::Human, "12345"));
    }
    const ImmutableFile frozen(folder.path());
    if (!frozen.set()) {
        GTEST_SKIP() << kNoImmutableFlag;
    }
    const ToolRun run = runTool({folder.path().c_str()});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("All: 1 games, 1 won"), std::string::npos) << run.out;
}

TEST(RecordTool, ReportsANameTheSystemRefuses) {
    TempFolder folder;
    const ToolRun run = runTool({(folder.path() / std::string(300, 'x')).string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("File name too long"), std::string::npos) << run.err;
}

TEST(RecordTool, RefusesWhatItCannotRead) {
    TempFolder folder;
    EXPECT_EQ(runTool({}).status, 2);
    EXPECT_EQ(runTool({folder.path().c_str(), "--csv"}).status, 2);
    EXPECT_EQ(runTool({folder.path().c_str()}).status, 1);
    std::ofstream(RecordBook::pathIn(folder.path())) << "not a record";
    const ToolRun damaged = runTool({folder.path().c_str()});
    EXPECT_EQ(damaged.status, 1);
    EXPECT_NE(damaged.err.find("record.sqlite"), std::string::npos);
}

TEST(RecordTool, TheArenasRecordHoldsItsGamesAndTheComputersThrows) {
    TempFolder folder;
    arena::ArenaConfig config;
    config.games = 300;
    config.seed = 4;
    config.options = {true, false};
    config.human = "bluffer";
    config.dataFolder = folder.path() / "data";
    const arena::ArenaReport report = arena::runArena(config);
    ASSERT_TRUE(report.faults.empty() && report.writeFailures.empty());

    RecordBook book(RecordBook::pathIn(config.dataFolder), false);
    const RecordSummary summary = summarizeRecord(book);
    EXPECT_EQ(summary.all, (WinTally{report.games, report.humanWins}));
    long long calls = 0;
    book.forEachGame([&](const GameRecord& game) {
        calls += static_cast<long long>(game.calls.size());
        // The computer throws what it does not keep of its five dice; the player throws five at
        // the start of every match.
        std::size_t computerThrown = 0;
        for (const RecordedCall& call : game.calls) {
            if (call.caller == Seat::Computer) {
                computerThrown += kDiceCount - call.fixed.size();
            }
        }
        EXPECT_EQ(game.computerThrows.size(), computerThrown);
        EXPECT_GE(game.humanThrows.size(), kDiceCount);
        EXPECT_EQ(game.fixAny, true);
        EXPECT_EQ(game.player, "Arena");
    });
    EXPECT_EQ(calls, report.calls);
}

TEST(RecordTool, TheArenaPlaysOnPastADamagedRecord) {
    TempFolder folder;
    std::ofstream(RecordBook::pathIn(folder.path())) << std::string(2000, '\x7f');
    arena::ArenaConfig config;
    config.games = 20;
    config.human = "honest";
    config.dataFolder = folder.path();
    const arena::ArenaReport report = arena::runArena(config);
    EXPECT_EQ(report.games, 20);
    EXPECT_TRUE(report.writeFailures.empty());
    ASSERT_EQ(report.recordProblems.size(), 1u);
    EXPECT_NE(report.recordProblems[0].find("was damaged"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "record.sqlite.damaged-1"));
    RecordBook book(RecordBook::pathIn(folder.path()), false);
    EXPECT_EQ(summarizeRecord(book).all.games, 20);
}

} // namespace
} // namespace quintel::testing
