#include "records/player_files.h"
#include "testing/temp_folder.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

namespace quintel {
namespace {

using Names = std::set<std::string>;

constexpr std::string_view kGoodLines = "9\t1\r\n8\t2\r\n7\t3\r\n6\t4\r\n5\t5\r\n"
                                        "4\t4\r\n3\t3\r\n2\t2\r\n1\t1\r\n0\t0\r\n";

struct Loaded {
    ProfileCounters counts{};
    ProfileCounters scores{};
    ProfileLoad load;
};

Loaded load(const TempFolder& folder) {
    Loaded loaded;
    loaded.counts.fill(7);
    loaded.scores.fill(7);
    loaded.load = loadProfile(folder.path(), "Ann", loaded.counts, loaded.scores);
    return loaded;
}

// Writes the profile as a new file, as an editor that replaces files would.
void replaceProfile(const TempFolder& folder, std::string_view bytes) {
    std::filesystem::remove(folder / "AnnProfile.txt");
    folder.write("AnnProfile.txt", bytes);
}

bool sameFile(const std::filesystem::path& first, const std::filesystem::path& second) {
    struct stat a {};
    struct stat b {};
    return ::lstat(first.c_str(), &a) == 0 && ::lstat(second.c_str(), &b) == 0 &&
           a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

std::string messageOf(const Loaded& loaded) {
    return profileLoadMessage(loaded.load).value_or("");
}

TEST(DamagedProfile, AFileLongerThanTheBoundIsKeptAsTheSameFileNotACopy) {
    TempFolder folder;
    const std::string tail(kProfileReadLimit, 'x'); // good lines, then far too much
    folder.write("AnnProfile.txt", std::string(kGoodLines) + tail);
    const std::uintmax_t size = kGoodLines.size() + tail.size();
    for (int signIn = 0; signIn < 3; ++signIn) {
        const Loaded loaded = load(folder);
        EXPECT_TRUE(loaded.load.damaged);
        EXPECT_EQ(loaded.counts, (ProfileCounters{9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 7}));
        EXPECT_EQ(messageOf(loaded),
                  "Your profile is damaged: it is " + std::to_string(size) +
                      " bytes long, far longer than a profile. The lines that could be read are "
                      "used; the others start at 0. The damaged file was kept as "
                      "AnnProfile.txt.damaged-0.");
    }
    EXPECT_TRUE(sameFile(folder / "AnnProfile.txt", folder / "AnnProfile.txt.damaged-0"));
    EXPECT_EQ(folder.names(), (Names{"AnnProfile.txt", "AnnProfile.txt.damaged-0"}));

    const ProfileCounters zeros{};
    ASSERT_EQ(saveProfile(folder.path(), "Ann", zeros, zeros), std::nullopt);
    EXPECT_EQ(std::filesystem::file_size(folder / "AnnProfile.txt.damaged-0"), size);
    EXPECT_EQ(std::filesystem::file_size(folder / "AnnProfile.txt"), 50U);
}

TEST(DamagedProfile, AnOversizedLastLineIsNotReadAsANumber) {
    // The tenth line is cut by the bound: it must not count as the digits that were read.
    TempFolder folder;
    const std::string_view nineLines = kGoodLines.substr(0, kGoodLines.size() - 5);
    folder.write("AnnProfile.txt",
                 std::string(nineLines) + "5\t" + std::string(kProfileReadLimit, '1'));
    const Loaded loaded = load(folder);
    EXPECT_TRUE(loaded.load.damaged);
    EXPECT_EQ(loaded.counts[8], 1);
    EXPECT_EQ(loaded.counts[9], 0);
    EXPECT_EQ(loaded.scores[9], 0);
}

TEST(DamagedProfile, EachDistinctDamagedContentIsKeptOnce) {
    TempFolder folder;
    for (int signIn = 0; signIn < 120; ++signIn) {
        replaceProfile(folder, "bad");
        ASSERT_EQ(load(folder).load.keptAs, (folder / "AnnProfile.txt.damaged-0").string());
    }
    replaceProfile(folder, "worse");
    EXPECT_EQ(load(folder).load.keptAs, (folder / "AnnProfile.txt.damaged-1").string());
    replaceProfile(folder, "bad");
    EXPECT_EQ(load(folder).load.keptAs, (folder / "AnnProfile.txt.damaged-0").string());
    EXPECT_EQ(folder.names(),
              (Names{"AnnProfile.txt", "AnnProfile.txt.damaged-0", "AnnProfile.txt.damaged-1"}));
    EXPECT_EQ(folder.read("AnnProfile.txt.damaged-0"), "bad");
    EXPECT_EQ(folder.read("AnnProfile.txt.damaged-1"), "worse");
}

TEST(DamagedProfile, AKeptCopyIsNotChangedByWritingTheProfileInPlace) {
    TempFolder folder;
    folder.write("AnnProfile.txt", "bad");
    load(folder);
    folder.write("AnnProfile.txt", "edited"); // the same file, truncated and rewritten
    EXPECT_EQ(load(folder).load.keptAs, (folder / "AnnProfile.txt.damaged-1").string());
    EXPECT_EQ(folder.read("AnnProfile.txt.damaged-0"), "bad");
}

// A socket bound under `path`, closed again; the name stays.
bool makeSocket(const std::filesystem::path& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.string().size() >= sizeof address.sun_path) {
        return false;
    }
    path.string().copy(address.sun_path, sizeof address.sun_path - 1);
    const int descriptor = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound =
        ::bind(descriptor, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(descriptor);
    return bound;
}

TEST(DamagedProfile, WhatIsNotAFileIsSaidToBeUnreadKeptAndReplacedAtTheSave) {
    TempFolder outside;
    outside.write("secret.txt", kGoodLines);
    struct Case {
        std::string_view what;
        bool (*make)(const std::filesystem::path&, const std::filesystem::path&);
    };
    const Case cases[] = {
        {"a symbolic link",
         [](const auto& profile, const auto& target) {
             std::filesystem::create_symlink(target, profile);
             return true;
         }},
        {"a symbolic link",
         [](const auto& profile, const auto& target) {
             std::filesystem::create_symlink(target.string() + ".missing", profile);
             return true;
         }},
        {"a named pipe",
         [](const auto& profile, const auto&) { return ::mkfifo(profile.c_str(), 0644) == 0; }},
        {"a socket", [](const auto& profile, const auto&) { return makeSocket(profile); }},
        {"a device",
         [](const auto& profile, const auto&) {
             // Creating a device needs root; elsewhere this case is left out.
             return ::mknod(profile.c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0;
         }},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        if (!c.make(folder / "AnnProfile.txt", outside / "secret.txt")) {
            continue;
        }
        const Loaded loaded = load(folder);
        EXPECT_TRUE(loaded.load.found) << c.what;
        EXPECT_EQ(loaded.counts, (ProfileCounters{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 7})) << c.what;
        EXPECT_EQ(messageOf(loaded), "Your profile could not be read (it is " +
                                         std::string(c.what) +
                                         "), so your statistics start again from 0. The file "
                                         "was kept as AnnProfile.txt.damaged-0.");
        EXPECT_TRUE(sameFile(folder / "AnnProfile.txt", folder / "AnnProfile.txt.damaged-0"))
            << c.what;
        const ProfileCounters zeros{};
        ASSERT_EQ(saveProfile(folder.path(), "Ann", zeros, zeros), std::nullopt) << c.what;
        EXPECT_EQ(std::filesystem::symlink_status(folder / "AnnProfile.txt").type(),
                  std::filesystem::file_type::regular);
    }
    EXPECT_EQ(outside.read("secret.txt"), kGoodLines);
    EXPECT_EQ(outside.names(), Names{"secret.txt"});
}

TEST(DamagedProfile, AFolderUnderTheProfilesNameIsMovedAside) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "AnnProfile.txt");
    folder.write("AnnProfile.txt/inside", "kept");
    const Loaded loaded = load(folder);
    EXPECT_EQ(messageOf(loaded), "Your profile could not be read (it is a folder), so your "
                                 "statistics start again from 0. The file was kept as "
                                 "AnnProfile.txt.damaged-0.");
    EXPECT_EQ(folder.read("AnnProfile.txt.damaged-0/inside"), "kept");
    const ProfileCounters zeros{};
    EXPECT_EQ(saveProfile(folder.path(), "Ann", zeros, zeros), std::nullopt);
}

} // namespace
} // namespace quintel
