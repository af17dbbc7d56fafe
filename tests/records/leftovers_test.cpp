#include "records/file_io.h"
#include "records/player_files.h"
#include "testing/temp_folder.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace quintel {
namespace {

using Names = std::set<std::string>;

// The pid of a process that has ended.
pid_t endedProcess() {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(0);
    }
    ::waitpid(child, nullptr, 0);
    return child;
}

TEST(Temporaries, CarryTheirMakersPidAndAnUnguessableEnd) {
    TempFolder folder;
    const files::TemporaryFile first = files::createTemporary(folder.path(), ".quintel-profile-");
    const files::TemporaryFile second = files::createTemporary(folder.path(), ".quintel-profile-");
    ASSERT_GE(first.descriptor, 0);
    ASSERT_GE(second.descriptor, 0);
    ::close(first.descriptor);
    ::close(second.descriptor);
    const std::regex pattern("\\.quintel-profile-" + std::to_string(::getpid()) +
                             "-[A-Za-z0-9]{6}\\.tmp");
    EXPECT_TRUE(std::regex_match(first.path.filename().string(), pattern)) << first.path;
    EXPECT_NE(first.path, second.path);
    EXPECT_EQ(first.path.parent_path(), folder.path());
}

TEST(Temporaries, OnlyTheLeftoversOfEndedProcessesAreRemoved) {
    TempFolder folder;
    const std::string ended = std::to_string(endedProcess());
    const std::string running = std::to_string(::getpid());
    const Names stale{".quintel-profile-" + ended + "-a1B2c3.tmp",
                      ".quintel-profile-" + ended + "-17.tmp"};
    const Names kept{
        ".quintel-profile-" + running + "-a1B2c3.tmp",  ".quintel-profile-" + ended + "-.tmp",
        ".quintel-profile-x" + ended + "-a1B2c3.tmp",   ".quintel-profile-" + ended + "-a1B2c3.txt",
        ".quintel-write-test-" + ended + "-a1B2c3.tmp", "AnnProfile.txt"};
    for (const Names& names : {stale, kept}) {
        for (const std::string& name : names) {
            folder.write(name, "x");
        }
    }
    const std::string folderNamed = ".quintel-profile-" + ended + "-folder.tmp";
    std::filesystem::create_directory(folder / folderNamed);

    removeLeftoverTemporaries(folder.path());
    Names left = kept;
    left.insert(folderNamed);
    EXPECT_EQ(folder.names(), left);
}

} // namespace
} // namespace quintel
