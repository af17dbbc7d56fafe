#include "records/file_io.h"
#include "records/history_file.h"
#include "records/player_files.h"
#include "temp_folder.h"
#include "tests/file_faults.h"

#include <gtest/gtest.h>

#include <cstring>
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

bool contains(const std::string& text, std::string_view part) {
    return text.find(part) != std::string::npos;
}

// An empty file can be made where no byte can be written, so the check writes.
TEST(DataFolder, AFullDiskOrAFileSizeLimitBelowASignInIsRefused) {
    TempFolder folder;
    const testing::ChildRun limited = testing::inChild([&] {
        files::ignoreFileSizeSignal();
        testing::limitFileSize(100);
        return testing::Texts{dataFolderProblem(folder.path()).value_or("passed")};
    });
    ASSERT_TRUE(limited.finished) << limited.how;
    EXPECT_TRUE(contains(limited.texts.at(0), std::strerror(EFBIG))) << limited.texts.at(0);
    EXPECT_TRUE(folder.names().empty()) << "the probe is removed";

    if (const auto problem = testing::smallDiskProblem(folder.path())) {
        GTEST_SKIP() << "a small tmpfs cannot be mounted here (" << *problem
                     << "); the full-disk case is not run";
    }
    const testing::ChildRun full = testing::inChild([&] {
        testing::mountSmallDisk(folder.path(), "size=64k");
        const std::string room = dataFolderProblem(folder.path()).value_or("passed");
        testing::fillDisk(folder / "filler");
        const std::string none = dataFolderProblem(folder.path()).value_or("passed");
        std::filesystem::remove(folder / "filler");
        return testing::Texts{
            room, none,
            std::to_string(std::distance(std::filesystem::directory_iterator(folder.path()), {}))};
    });
    ASSERT_TRUE(full.finished) << full.how;
    EXPECT_EQ(full.texts.at(0), "passed");
    EXPECT_TRUE(contains(full.texts.at(1), "cannot save files")) << full.texts.at(1);
    EXPECT_TRUE(contains(full.texts.at(1), std::strerror(ENOSPC))) << full.texts.at(1);
    EXPECT_EQ(full.texts.at(2), "0") << "the probe is removed";
}

} // namespace
} // namespace quintel
