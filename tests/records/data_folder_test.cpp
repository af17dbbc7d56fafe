#include "records/data_folder.h"
#include "testing/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace quintel {
namespace {

// The program's folder cannot take files when it is a regular file (running as root, a read-only
// folder would still be written).
class DataFolderChoiceTest : public ::testing::Test {
protected:
    TempFolder temp;
    std::filesystem::path program = temp / "program";
    std::filesystem::path installed = temp / "installed-as-a-file";

    DataFolderChoiceTest() {
        std::filesystem::create_directory(program);
        temp.write("installed-as-a-file", "");
    }
};

TEST_F(DataFolderChoiceTest, KeepsTheFilesBesideAProgramWhoseFolderTakesThem) {
    const UserFolders user{(temp / "home").string(), (temp / "data").string()};
    const DataFolderChoice choice = chooseDataFolder(program, user);
    EXPECT_EQ(choice.folder, program);
    EXPECT_FALSE(choice.fallback);
    EXPECT_EQ(temp.names(), (std::set<std::string>{"program", "installed-as-a-file"}));
}

TEST_F(DataFolderChoiceTest, FallsBackOnTheUsersDataFolderAndMakesIt) {
    const UserFolders user{(temp / "home").string(), (temp / "data").string()};
    const DataFolderChoice choice = chooseDataFolder(installed, user);
    EXPECT_EQ(choice.folder, temp / "data" / "quintel");
    EXPECT_TRUE(choice.fallback);
    EXPECT_TRUE(std::filesystem::is_directory(choice.folder));
    EXPECT_TRUE(std::filesystem::is_empty(choice.folder)); // the write test leaves nothing behind
}

TEST_F(DataFolderChoiceTest, WithoutAnAbsoluteDataHomeUsesTheHomeFolder) {
    for (const std::string dataHome : {"", "relative/data"}) {
        const UserFolders user{(temp / "home").string(), dataHome};
        EXPECT_EQ(chooseDataFolder(temp / "missing" / "bin", user).folder,
                  temp / "home" / ".local" / "share" / "quintel");
    }
}

TEST_F(DataFolderChoiceTest, StaysWithTheProgramsFolderWhenNothingElseTakesFiles) {
    for (const UserFolders& user :
         {UserFolders{"", ""}, UserFolders{(installed / "home").string(), ""}}) {
        const DataFolderChoice choice = chooseDataFolder(installed, user);
        EXPECT_EQ(choice.folder, installed);
        EXPECT_FALSE(choice.fallback);
    }
}

TEST(UserFolders, ReadFromTheEnvironment) {
    const UserFolders before = userFoldersFromEnvironment();
    ::setenv("HOME", "/home/ann", 1);
    ::setenv("XDG_DATA_HOME", "/data/ann", 1);
    const UserFolders user = userFoldersFromEnvironment();
    ::setenv("HOME", before.home.c_str(), 1);
    ::setenv("XDG_DATA_HOME", before.dataHome.c_str(), 1);
    EXPECT_EQ(user.home, "/home/ann");
    EXPECT_EQ(user.dataHome, "/data/ann");
}

} // namespace
} // namespace quintel
