#include "records/file_io.h"
#include "records/history_file.h"
#include "records/player_files.h"
#include "testing/file_faults.h"
#include "testing/temp_folder.h"

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

TEST(PlayerName, RefusesNamesThatShowAsSomethingElseWithTheControlCharacterMessage) {
    const std::string message = playerNameProblem("\t").value_or("");
    ASSERT_NE(message.find("control characters"), std::string::npos) << message;
    // Not UTF-8: a stray continuation byte, a lone lead byte, a truncated sequence, an overlong
    // '/', a surrogate, a code point beyond U+10FFFF, a byte that never occurs.
    for (const std::string_view name :
         {"Ann\x80"sv, "Ann\xC3"sv, "\xE2\x80"sv, "\xC0\xAF"sv, "\xE0\x80\xAF"sv, "\xED\xA0\x80"sv,
          "\xF4\x90\x80\x80"sv, "\xFF"sv}) {
        EXPECT_EQ(playerNameProblem(name).value_or(""), message) << name;
    }
    // C1 controls, bidirectional embeddings, overrides and isolates, line and paragraph
    // separators, zero-width characters: the first and last of each range.
    for (const std::string_view name :
         {"Ann\u0080"sv, "Ann\u009F"sv, "\u202AAnn"sv, "Ann\u202E"sv, "\u2066Ann"sv, "Ann\u2069"sv,
          "A\u2028nn"sv, "A\u2029nn"sv, "A\u200Bnn"sv, "A\u200Dnn"sv, "\uFEFFAnn"sv}) {
        EXPECT_EQ(playerNameProblem(name).value_or(""), message) << name;
    }
}

TEST(PlayerName, AllowsTheCharactersBesideTheRefusedOnes) {
    for (const std::string_view name :
         {"Ann\u00A0Lee"sv, "Ann\u00FF"sv, "Ann\u2027"sv, "Ann\u202F"sv, "Ann\u2065"sv,
          "Ann\u206A"sv, "Ann\u200A"sv, "Ann\u200E"sv, "Ann\uFEFE"sv, "Ann\uFF00"sv, "\U0001F600"sv,
          "\U0010FFFF"sv, "   "sv, "\u0410\u043D\u043D\u0430"sv}) {
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
