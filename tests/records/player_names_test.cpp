#include "records/history_file.h"
#include "records/player_files.h"
#include "testing/temp_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace quintel {
namespace {

using namespace std::string_view_literals;

bool refused(std::string_view name) {
    return playerNameProblem(name).has_value();
}

TEST(PlayerName, RefusesOnlyWhatCannotNameAFileInsideTheFolder) {
    for (const std::string_view name : {"a/b"sv, "../Ann"sv, "."sv, ".."sv, "A\0n"sv, "Ann\t"sv,
                                        "Ann\r\n"sv, "\x1f"sv, "Ann\x7f"sv}) {
        EXPECT_TRUE(refused(name)) << name;
    }
    for (const std::string_view name : {"", " Ann Lee ", "...", ".Ann", "Zo\xC3\xAB", "a\\b:c*?"}) {
        EXPECT_FALSE(refused(name)) << name;
    }
}

TEST(PlayerName, TheLongestAcceptedNameStillFormsEveryFileName) {
    const std::string longest(kLongestNameBytes, 'x');
    EXPECT_NE(playerNameProblem(longest + "x").value_or("").find("too long"), std::string::npos);
    TempFolder folder;
    HistoryFile history;
    ASSERT_EQ(history.create(folder.path(), longest), std::nullopt);
    ProfileCounters counts{}, scores{};
    ASSERT_EQ(saveProfile(folder.path(), longest, counts, scores), std::nullopt);
    folder.write(longest + "Profile.txt", "damaged");
    EXPECT_FALSE(loadProfile(folder.path(), longest, counts, scores).keptAs.empty());
}

TEST(DataFolder, AWritableFolderPassesUntouchedAndAFileOrNothingIsRefused) {
    TempFolder folder;
    EXPECT_EQ(dataFolderProblem(folder.path()), std::nullopt);
    EXPECT_TRUE(folder.names().empty());
    folder.write("plain", "x");
    EXPECT_TRUE(dataFolderProblem(folder / "missing").has_value());
    const auto problem = dataFolderProblem(folder / "plain").value_or("");
    EXPECT_NE(problem.find((folder / "plain").string()), std::string::npos);
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
