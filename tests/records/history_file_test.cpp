#include "records/history_file.h"
#include "testing/temp_folder.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace quintel {
namespace {

using Names = std::set<std::string>;

std::string createdName(const TempFolder& folder, std::string_view player) {
    HistoryFile history;
    EXPECT_EQ(history.create(folder.path(), player), std::nullopt);
    return history.path().filename().string();
}

TEST(HistoryFileName, TakesTheSmallestFreeNumber) {
    TempFolder folder;
    EXPECT_EQ(createdName(folder, "Ann"), "Ann_0.txt");
    EXPECT_EQ(createdName(folder, "Ann"), "Ann_1.txt");
    EXPECT_EQ(createdName(folder, "Ann"), "Ann_2.txt");
    EXPECT_EQ(createdName(folder, "Bob"), "Bob_0.txt");
    EXPECT_EQ(createdName(folder, ""), "_0.txt");
}

TEST(HistoryFileName, FillsAGapAndSkipsEveryTakenNumber) {
    TempFolder gap;
    gap.write("Ann_1.txt", "older");
    EXPECT_EQ(createdName(gap, "Ann"), "Ann_0.txt");
    EXPECT_EQ(createdName(gap, "Ann"), "Ann_2.txt");

    TempFolder full;
    full.write("Ann_0.txt", "a");
    full.write("Ann_1.txt", "b");
    std::filesystem::create_directory(full / "Ann_2.txt");
    std::filesystem::create_symlink(full / "nowhere", full / "Ann_3.txt");
    EXPECT_EQ(createdName(full, "Ann"), "Ann_4.txt");
}

TEST(HistoryFileCreation, NeverTouchesAnExistingFileOrFollowsALink) {
    TempFolder folder;
    TempFolder outside;
    folder.write("Ann_0.txt", "keep me\r\n");
    std::filesystem::create_symlink(outside / "target.txt", folder / "Ann_1.txt");
    HistoryFile history;
    ASSERT_EQ(history.create(folder.path(), "Ann"), std::nullopt);
    history.writeLine("more");
    history.close();
    EXPECT_EQ(folder.read("Ann_0.txt"), "keep me\r\n");
    EXPECT_EQ(outside.names(), Names{});
    EXPECT_EQ(folder.read("Ann_2.txt"), "Ann HISTORY\r\nmore\r\n");
}

TEST(HistoryFileContent, LinesEndInCrLfAndReachTheFileAtOnce) {
    TempFolder folder;
    HistoryFile history;
    ASSERT_EQ(history.create(folder.path(), "Ann"), std::nullopt);
    EXPECT_EQ(folder.read("Ann_0.txt"), "Ann HISTORY\r\n");
    history.writeLine("Fix Any + Fix Permanent");
    history.writeLine("");
    // Read while still open: nothing is held back in a buffer.
    EXPECT_EQ(folder.read("Ann_0.txt"), "Ann HISTORY\r\nFix Any + Fix Permanent\r\n\r\n");
    history.writeLine(std::string("caf\xE9\0x", 6));
    EXPECT_EQ(folder.read("Ann_0.txt").substr(40), std::string("caf\xE9\0x\r\n", 8));
    history.close();
    EXPECT_FALSE(history.isOpen());
    history.writeLine("after close");
    EXPECT_EQ(folder.read("Ann_0.txt").size(), 48U);
}

TEST(HistoryFileContent, HeldLinesReachTheFileInOrderWhenReleasedOrAtClose) {
    TempFolder folder;
    HistoryFile history;
    std::string seen;
    history.onLine([&seen](std::string_view line) { seen += std::string(line) + "|"; });
    ASSERT_EQ(history.create(folder.path(), "Ann"), std::nullopt);
    history.holdLines();
    history.writeLine("DICE AFTER ROLL (if needed) : 66554");
    history.writeLine("");
    EXPECT_EQ(folder.read("Ann_0.txt"), "Ann HISTORY\r\n");
    EXPECT_EQ(history.heldLines(), "DICE AFTER ROLL (if needed) : 66554\r\n\r\n");
    EXPECT_EQ(seen, "Ann HISTORY|DICE AFTER ROLL (if needed) : 66554||") << "seen as written";
    history.releaseLines();
    history.writeLine("after");
    EXPECT_EQ(folder.read("Ann_0.txt"),
              "Ann HISTORY\r\nDICE AFTER ROLL (if needed) : 66554\r\n\r\nafter\r\n");

    history.holdLines();
    history.writeLine("undecided");
    history.close();
    EXPECT_EQ(folder.read("Ann_0.txt").substr(52), "after\r\nundecided\r\n");
    EXPECT_TRUE(history.heldLines().empty());
}

TEST(HistoryFileContent, ANewSignInClosesTheOldFileAndStartsTheNext) {
    TempFolder folder;
    HistoryFile history;
    ASSERT_EQ(history.create(folder.path(), "Ann"), std::nullopt);
    ASSERT_EQ(history.create(folder.path(), "Ann"), std::nullopt);
    history.writeLine("second stay");
    EXPECT_EQ(folder.read("Ann_0.txt"), "Ann HISTORY\r\n");
    EXPECT_EQ(folder.read("Ann_1.txt"), "Ann HISTORY\r\nsecond stay\r\n");
}

TEST(HistoryFileCreation, FailsWithATextAndNoFileForABadFolderOrName) {
    TempFolder folder;
    folder.write("plain", "not a folder");
    HistoryFile history;
    const auto problem = history.create(folder / "plain", "Ann");
    ASSERT_TRUE(problem.has_value());
    EXPECT_NE(problem->find("could not be created"), std::string::npos);
    EXPECT_FALSE(history.isOpen());
    history.writeLine("lost");

    EXPECT_TRUE(history.create(folder.path(), "../Ann").has_value());
    EXPECT_EQ(folder.names(), Names{"plain"});
}

} // namespace
} // namespace quintel
