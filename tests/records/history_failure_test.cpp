#include "app/game.h"
#include "records/file_io.h"
#include "records/history_file.h"
#include "testing/file_faults.h"
#include "testing/scripted_message_boxes.h"
#include "testing/table_fixture.h"
#include "testing/temp_folder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace quintel {
namespace {

using testing::fileBytes;
using testing::ImmutableFile;
using testing::inChild;
using testing::Texts;

bool mentions(const std::string& text, std::string_view part) {
    return text.find(part) != std::string::npos;
}

// A history file whose problems are collected instead of shown.
struct WatchedHistory {
    HistoryFile file;
    Texts told;
    WatchedHistory() {
        file.onProblem([this](std::string_view text) { told.emplace_back(text); });
    }
};

TEST(HistoryWriteFailure, LinesWaitInOrderAndFollowAsSoonAsTheFileTakesThemAgain) {
    TempFolder folder;
    WatchedHistory history;
    ASSERT_EQ(history.file.create(folder.path(), "Ann"), std::nullopt);
    ImmutableFile blocked(history.file.path());
    if (!blocked.set()) {
        GTEST_SKIP() << testing::kNoImmutableFlag;
    }
    history.file.writeLine("Win Prob : 0.003");
    history.file.writeLine("Fixstring : \t66");
    EXPECT_EQ(folder.read("Ann_0.txt"), "Ann HISTORY\r\n");
    EXPECT_EQ(history.file.pendingBytes(), 35U);
    ASSERT_EQ(history.told.size(), 1U) << "told once, not once a line";
    EXPECT_TRUE(mentions(history.told[0], history.file.path().string())) << history.told[0];
    EXPECT_TRUE(mentions(history.told[0], std::strerror(EPERM))) << history.told[0];

    blocked.release();
    history.file.writeLine("third");
    EXPECT_EQ(folder.read("Ann_0.txt"),
              "Ann HISTORY\r\nWin Prob : 0.003\r\nFixstring : \t66\r\nthird\r\n");
    EXPECT_EQ(history.file.pendingBytes(), 0U);

    // A second failure of the same file tells nothing new; the lines still wait their turn.
    ImmutableFile again(history.file.path());
    history.file.writeLine("fourth");
    again.release();
    history.file.close();
    EXPECT_EQ(history.told.size(), 1U);
    EXPECT_EQ(folder.read("Ann_0.txt"),
              "Ann HISTORY\r\nWin Prob : 0.003\r\nFixstring : \t66\r\nthird\r\nfourth\r\n");
}

TEST(HistoryWriteFailure, PastTheBoundLinesAreLostMarkedInTheFileAndToldOnce) {
    TempFolder folder;
    WatchedHistory history;
    ASSERT_EQ(history.file.create(folder.path(), "Ann"), std::nullopt);
    // A single line longer than the bound still goes to a working file whole.
    const std::string huge(HistoryFile::kPendingLimit * 2, 'h');
    history.file.writeLine(huge);
    ASSERT_EQ(folder.read("Ann_0.txt").size(), 13 + huge.size() + 2);

    ImmutableFile blocked(history.file.path());
    if (!blocked.set()) {
        GTEST_SKIP() << testing::kNoImmutableFlag;
    }
    const std::string line(998, 'x');
    const std::size_t lines = 1100;
    for (std::size_t i = 0; i < lines; ++i) {
        history.file.writeLine(line);
    }
    const std::size_t kept = HistoryFile::kPendingLimit / (line.size() + 2);
    ASSERT_LT(kept, lines);
    ASSERT_EQ(history.told.size(), 2U);
    EXPECT_TRUE(mentions(history.told[1], "lost")) << history.told[1];
    EXPECT_TRUE(mentions(history.told[1], history.file.path().string())) << history.told[1];

    blocked.release();
    history.file.writeLine("back");
    history.file.close();
    EXPECT_EQ(history.told.size(), 2U);
    std::string expected = "Ann HISTORY\r\n" + huge + "\r\n";
    for (std::size_t i = 0; i < kept; ++i) {
        expected += line + "\r\n";
    }
    expected += "[" + std::to_string(lines - kept) +
                " lines are missing here: the file could not be written]\r\nback\r\n";
    EXPECT_EQ(folder.read("Ann_0.txt"), expected);
}

TEST(HistoryWriteFailure, ClosingTellsWhenTheLastLinesCannotBeWritten) {
    TempFolder folder;
    WatchedHistory history;
    ASSERT_EQ(history.file.create(folder.path(), "Ann"), std::nullopt);
    ImmutableFile blocked(history.file.path());
    if (!blocked.set()) {
        GTEST_SKIP() << testing::kNoImmutableFlag;
    }
    history.file.writeLine("last");
    history.file.close();
    EXPECT_FALSE(history.file.isOpen());
    ASSERT_EQ(history.told.size(), 2U);
    EXPECT_TRUE(mentions(history.told[1], "could not be finished")) << history.told[1];
    EXPECT_TRUE(mentions(history.told[1], history.file.path().string())) << history.told[1];
    blocked.release();
    EXPECT_EQ(folder.read("Ann_0.txt"), "Ann HISTORY\r\n");

    // The next file of the player starts with a clean slate: its first failure is told again.
    ASSERT_EQ(history.file.create(folder.path(), "Ann"), std::nullopt);
    ImmutableFile next(history.file.path());
    history.file.writeLine("x");
    EXPECT_EQ(history.told.size(), 3U);
    next.release();
}

// In a child: the file-size limit falls in the middle of a line, then is lifted again.
TEST(HistoryWriteFailure, AtTheFileSizeLimitNothingIsCutOrRunTogether) {
    TempFolder folder;
    const testing::ChildRun run = inChild([&] {
        files::ignoreFileSizeSignal();
        WatchedHistory history;
        history.file.create(folder.path(), "Ann");
        testing::limitFileSize(40); // the second line stops after 9 of its 17 bytes
        history.file.writeLine("Win Prob : 0.003");
        history.file.writeLine("Fixstring : \t66");
        history.file.writeLine("third");
        Texts seen{folder.read("Ann_0.txt")};
        testing::limitFileSize(RLIM_INFINITY);
        history.file.writeLine("fourth");
        history.file.close();
        seen.push_back(folder.read("Ann_0.txt"));
        seen.insert(seen.end(), history.told.begin(), history.told.end());
        return seen;
    });
    ASSERT_TRUE(run.finished) << run.how;
    ASSERT_EQ(run.texts.size(), 3U) << ::testing::PrintToString(run.texts);
    EXPECT_EQ(run.texts[0], "Ann HISTORY\r\nWin Prob : 0.003\r\nFixstring");
    EXPECT_EQ(run.texts[1],
              "Ann HISTORY\r\nWin Prob : 0.003\r\nFixstring : \t66\r\nthird\r\nfourth\r\n");
    EXPECT_TRUE(mentions(run.texts[2], std::strerror(EFBIG))) << run.texts[2];
}

// In a child with a disk of its own: the disk fills up, then room is made again.
TEST(HistoryWriteFailure, OnAFullDiskLinesWaitForRoom) {
    TempFolder folder;
    if (const auto problem = testing::smallDiskProblem(folder.path())) {
        GTEST_SKIP() << "a small tmpfs cannot be mounted here (" << *problem
                     << "); the full-disk case is not run";
    }
    const testing::ChildRun run = inChild([&] {
        testing::mountSmallDisk(folder.path(), "size=64k");
        WatchedHistory history;
        history.file.create(folder.path(), "Ann");
        testing::fillDisk(folder / "filler");
        // Longer than the room left in the file's last page.
        history.file.writeLine(std::string(5000, 'a'));
        history.file.writeLine("two");
        Texts seen{folder.read("Ann_0.txt")};
        std::filesystem::remove(folder / "filler");
        history.file.writeLine("three");
        history.file.close();
        seen.push_back(folder.read("Ann_0.txt"));
        seen.insert(seen.end(), history.told.begin(), history.told.end());
        return seen;
    });
    ASSERT_TRUE(run.finished) << run.how;
    ASSERT_EQ(run.texts.size(), 3U) << ::testing::PrintToString(run.texts);
    const std::string whole = "Ann HISTORY\r\n" + std::string(5000, 'a') + "\r\ntwo\r\nthree\r\n";
    EXPECT_LT(run.texts[0].size(), whole.size());
    EXPECT_EQ(whole.rfind(run.texts[0], 0), 0U);
    EXPECT_EQ(run.texts[1], whole);
    EXPECT_TRUE(mentions(run.texts[2], std::strerror(ENOSPC))) << run.texts[2];
}

// Playing on with a history file that takes nothing: one box, then the game goes on.
TEST(HistoryWriteFailure, ThePlayerSeesOneBoxNamingTheFileAndPlaysOn) {
    TempFolder folder;
    ScriptedMessageBoxes boxes;
    RandomSource random{5};
    Game game(folder.path(), boxes, random);
    game.start();
    game.formWelcome.txtName.edited("Ann");
    game.formWelcome.btnOK.click();
    ASSERT_TRUE(game.formStart.shown());
    ImmutableFile blocked(game.history.path());
    if (!blocked.set()) {
        GTEST_SKIP() << testing::kNoImmutableFlag;
    }
    game.history.writeLine("Ann Call: 2");
    game.history.writeLine("AI Call: 66");
    game.history.releaseLines(); // as when the game is decided
    ASSERT_EQ(boxes.shown.size(), 1U);
    EXPECT_EQ(boxes.shown[0].buttons, MessageButtons::Ok);
    EXPECT_TRUE(mentions(boxes.shown[0].text, game.history.path().string()));
    EXPECT_TRUE(game.formStart.shown());
    blocked.release();
    game.quit();
    EXPECT_EQ(fileBytes(folder / "Ann_0.txt"),
              "Ann HISTORY\r\n\r\n\r\nAnn Call: 2\r\nAI Call: 66\r\n");
    EXPECT_EQ(boxes.shown.size(), 1U);
}

} // namespace
} // namespace quintel
