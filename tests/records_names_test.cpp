#include "records/history_file.h"
#include "records/player_files.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace quintel {
namespace {

using Names = std::set<std::string>;

bool refused(std::string_view name) {
    return playerNameProblem(name).has_value();
}

TEST(PlayerName, RefusesWhatCannotNameAFileInsideTheFolder) {
    EXPECT_TRUE(refused("a/b"));
    EXPECT_TRUE(refused("/"));
    EXPECT_TRUE(refused("../Ann"));
    EXPECT_TRUE(refused("."));
    EXPECT_TRUE(refused(".."));
    EXPECT_TRUE(refused(std::string_view("An\0n", 4)));
    EXPECT_TRUE(refused("Ann\t"));
    EXPECT_TRUE(refused("Ann\r\n"));
    EXPECT_TRUE(refused("\x1f"));
    EXPECT_TRUE(refused("Ann\x7f"));
}

TEST(PlayerName, AcceptsOrdinaryAndUnusualButHarmlessNames) {
    EXPECT_FALSE(refused(""));
    EXPECT_FALSE(refused("Ann"));
    EXPECT_FALSE(refused(" Ann Lee "));
    EXPECT_FALSE(refused("..."));
    EXPECT_FALSE(refused(".Ann"));
    EXPECT_FALSE(refused("Zo\xC3\xAB"));
    EXPECT_FALSE(refused("a\\b:c*?"));
}

TEST(PlayerName, TheLongestAcceptedNameStillFormsEveryFileName) {
    const std::string longest(kLongestNameBytes, 'x');
    EXPECT_FALSE(refused(longest));
    EXPECT_TRUE(refused(longest + "x"));
    const auto message = playerNameProblem(longest + "x");
    EXPECT_NE(message->find("too long"), std::string::npos);

    TempFolder folder;
    HistoryFile history;
    ASSERT_EQ(history.create(folder.path(), longest), std::nullopt);
    history.close();
    ProfileCounters counts{}, scores{};
    ASSERT_EQ(saveProfile(folder.path(), longest, counts, scores), std::nullopt);
    folder.write(longest + "Profile.txt", "damaged");
    EXPECT_FALSE(loadProfile(folder.path(), longest, counts, scores).keptAs.empty());
}

TEST(PlayerName, TheEmptyNameUsesTheBareFileNames) {
    TempFolder folder;
    HistoryFile history;
    ASSERT_EQ(history.create(folder.path(), ""), std::nullopt);
    history.close();
    ProfileCounters counts{}, scores{};
    ASSERT_EQ(saveProfile(folder.path(), "", counts, scores), std::nullopt);
    EXPECT_EQ(folder.names(), (Names{"_0.txt", "Profile.txt"}));
    EXPECT_EQ(folder.read("_0.txt"), " HISTORY\r\n");
}

TEST(DataFolder, AWritableFolderPassesAndIsLeftAsItWas) {
    TempFolder folder;
    EXPECT_EQ(dataFolderProblem(folder.path()), std::nullopt);
    EXPECT_EQ(folder.names(), Names{});
}

TEST(DataFolder, AFolderThatIsMissingOrAFileIsRefused) {
    TempFolder folder;
    folder.write("plain", "x");
    EXPECT_TRUE(dataFolderProblem(folder / "missing").has_value());
    const auto problem = dataFolderProblem(folder / "plain");
    ASSERT_TRUE(problem.has_value());
    EXPECT_NE(problem->find((folder / "plain").string()), std::string::npos);
    EXPECT_EQ(folder.names(), Names{"plain"});
}

// Whether the permission bits stop this process from creating files (they do not for root).
bool permissionsApply(const std::filesystem::path& readOnlyFolder) {
    const std::filesystem::path probe = readOnlyFolder / "probe";
    const int descriptor = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (descriptor < 0) {
        return true;
    }
    ::close(descriptor);
    std::filesystem::remove(probe);
    return false;
}

TEST(DataFolder, AReadOnlyFolderIsRefused) {
    TempFolder folder;
    std::filesystem::permissions(folder.path(), std::filesystem::perms(0555));
    if (!permissionsApply(folder.path())) {
        GTEST_SKIP() << "running with privileges that write into read-only folders; the refusal "
                        "itself is covered by the missing folder and the file-as-folder cases";
    }
    EXPECT_TRUE(dataFolderProblem(folder.path()).has_value());
}

} // namespace
} // namespace quintel
