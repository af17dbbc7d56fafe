#include "records/player_files.h"
#include "testing/temp_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <set>
#include <string>
#include <vector>

namespace quintel {
namespace {

using Names = std::set<std::string>;

constexpr std::string_view kSavedBytes = "0\t0\r\n1\t0\r\n2\t1\r\n3\t1\r\n4\t2\r\n"
                                         "5\t2\r\n6\t3\r\n7\t3\r\n8\t4\r\n32767\t32767\r\n";

Profile sample() {
    Profile profile;
    for (std::size_t i = 0; i < 10; ++i) {
        profile.counts[i] = static_cast<int>(i);
        profile.scores[i] = static_cast<int>(i / 2);
    }
    profile.counts[9] = 32767;
    profile.scores[9] = 32767;
    profile.counts[10] = 555;
    profile.scores[10] = 444;
    return profile;
}

Profile filledWith(int value) {
    Profile profile;
    profile.counts.fill(value);
    profile.scores.fill(value);
    return profile;
}

TEST(ProfileSave, ReplacesTheOldProfileAndClampsWhatCannotBeReadBack) {
    TempFolder folder;
    folder.write("AnnProfile.txt", "a much longer old profile that must not survive in part\n");
    Profile profile = filledWith(0);
    profile.counts[0] = 40000;
    profile.scores[0] = -3;
    ASSERT_EQ(saveProfile(folder.path(), "Ann", profile.counts, profile.scores), std::nullopt);
    EXPECT_EQ(folder.read("AnnProfile.txt").substr(0, 9), "32767\t0\r\n");
    EXPECT_EQ(folder.read("AnnProfile.txt").size(), 9U + 9 * 5);
}

// Several programs saving one player's profile at once, each what its stays added since their
// sign-ins (a moment apart, so that the others save in between): every addition is kept, and
// the counters stay within their bounds.
TEST(ProfileSave, SavesAtOnceFromSeveralProgramsAddUp) {
    TempFolder folder;
    Profile start = filledWith(100);
    start.counts[9] = 32760;
    ASSERT_EQ(saveProfile(folder.path(), "Ann", start.counts, start.scores), std::nullopt);
    constexpr int kPrograms = 4;
    constexpr int kStays = 8;
    int go[2];
    ASSERT_EQ(::pipe(go), 0);
    std::vector<pid_t> programs;
    for (int program = 0; program < kPrograms; ++program) {
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(go[1]);
            char byte = 0;
            static_cast<void>(::read(go[0], &byte, 1)); // all start when the pipe closes
            const auto entry = static_cast<std::size_t>(program);
            for (int stay = 0; stay < kStays; ++stay) {
                const Profile atSignIn = storedProfile(folder.path(), "Ann");
                Profile now = atSignIn;
                now.counts[entry] += 2;
                now.scores[entry] += 1;
                now.counts[9] += 1;
                ::usleep(3000);
                if (saveProfileChanges(folder.path(), "Ann", atSignIn, now)) {
                    ::_exit(1);
                }
            }
            ::_exit(0);
        }
        programs.push_back(child);
    }
    ::close(go[0]);
    ::close(go[1]);
    for (const pid_t program : programs) {
        int status = 0;
        ::waitpid(program, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    Profile expected{start.counts, start.scores};
    for (std::size_t entry = 0; entry < kPrograms; ++entry) {
        expected.counts[entry] += 2 * kStays;
        expected.scores[entry] += kStays;
    }
    expected.counts[9] = 32767; // 32 more than 32760, bounded
    expected.counts[10] = 0;
    expected.scores[10] = 0;
    const Profile saved = storedProfile(folder.path(), "Ann");
    EXPECT_EQ(saved.counts, expected.counts);
    EXPECT_EQ(saved.scores, expected.scores);
}

TEST(ProfileSave, ReportsAFolderItCannotWriteAndLeavesNothing) {
    TempFolder folder;
    folder.write("plain", "x");
    const Profile profile = sample();
    const auto problem = saveProfile(folder / "plain", "Ann", profile.counts, profile.scores);
    ASSERT_TRUE(problem.has_value());
    EXPECT_NE(problem->find("could not be saved"), std::string::npos);
    EXPECT_TRUE(saveProfile(folder.path(), "../Ann", profile.counts, profile.scores).has_value());
    EXPECT_EQ(folder.names(), Names{"plain"});
}

TEST(ProfileSave, LeavesAProfileItsOwnerMayNotWriteAndSaysSo) {
    // Root may write every file, so the owner's mode bits decide, not access().
    using enum std::filesystem::perms;
    for (const auto mode : {owner_read | group_read, owner_read | group_all | others_all}) {
        TempFolder folder;
        folder.write("AnnProfile.txt", kSavedBytes);
        std::filesystem::permissions(folder / "AnnProfile.txt", mode);
        const Profile profile = filledWith(1);
        const auto problem = saveProfile(folder.path(), "Ann", profile.counts, profile.scores);
        ASSERT_TRUE(problem.has_value());
        EXPECT_EQ(*problem, "Your profile AnnProfile.txt is read-only, so it was not changed: the "
                            "statistics of this stay at the table are not saved.");
        EXPECT_EQ(folder.read("AnnProfile.txt"), kSavedBytes);
        EXPECT_EQ(std::filesystem::status(folder / "AnnProfile.txt").permissions(), mode);
        EXPECT_EQ(folder.names(), Names{"AnnProfile.txt"});
    }
}

TEST(ProfileSave, TheProfileGetsTheModeOfAnyNewFile) {
    TempFolder folder;
    const mode_t earlier = ::umask(027);
    const Profile profile = sample();
    const auto problem = saveProfile(folder.path(), "Ann", profile.counts, profile.scores);
    ::umask(earlier);
    ASSERT_EQ(problem, std::nullopt);
    using enum std::filesystem::perms;
    EXPECT_EQ(std::filesystem::status(folder / "AnnProfile.txt").permissions(),
              owner_read | owner_write | group_read);
}

TEST(ProfileFile, SavesTenCrLfLinesWithoutEntryTenAndReadsThemBack) {
    TempFolder folder;
    const Profile saved = sample();
    ASSERT_EQ(saveProfile(folder.path(), "Ann", saved.counts, saved.scores), std::nullopt);
    EXPECT_EQ(folder.read("AnnProfile.txt"), kSavedBytes);
    EXPECT_EQ(folder.names(), Names{"AnnProfile.txt"}); // no temporary file left behind
    Profile loaded = filledWith(7);
    const ProfileLoad load = loadProfile(folder.path(), "Ann", loaded.counts, loaded.scores);
    EXPECT_TRUE(load.found);
    EXPECT_EQ(profileLoadMessage(load), std::nullopt);
    Profile expected = saved;
    expected.counts[10] = 7;
    expected.scores[10] = 7;
    EXPECT_EQ(loaded.counts, expected.counts);
    EXPECT_EQ(loaded.scores, expected.scores);
}

TEST(ProfileLoad, AMissingProfileStartsEveryEntryAtZeroAndCreatesNothing) {
    TempFolder folder;
    Profile loaded = filledWith(7);
    const ProfileLoad load = loadProfile(folder.path(), "Ann", loaded.counts, loaded.scores);
    EXPECT_FALSE(load.found);
    EXPECT_FALSE(load.damaged);
    EXPECT_EQ(loaded.counts, ProfileCounters{});
    EXPECT_EQ(loaded.scores, ProfileCounters{});
    EXPECT_EQ(folder.names(), Names{});
}

TEST(ProfileLoad, AcceptsLfLinesAMissingLastLineEndAndIgnoresLinesAfterTheTenth) {
    TempFolder folder;
    folder.write("AnnProfile.txt", "2\t1\n4\t3\r\n6\t5\n8\t7\n10\t9\n12\t11\n14\t13\n16\t15\n"
                                   "18\t17\n20\t19\nrubbish after the tenth line\n");
    folder.write("BobProfile.txt", std::string(kSavedBytes.substr(0, kSavedBytes.size() - 2)));
    Profile ann;
    EXPECT_FALSE(loadProfile(folder.path(), "Ann", ann.counts, ann.scores).damaged);
    EXPECT_EQ(ann.counts[1], 4);
    EXPECT_EQ(ann.scores[9], 19);
    Profile bob;
    EXPECT_FALSE(loadProfile(folder.path(), "Bob", bob.counts, bob.scores).damaged);
    EXPECT_EQ(bob.scores[9], 32767);
}

// A damaged profile: the readable lines, zeros for the rest, the original kept beside it.
struct Damaged {
    Profile loaded = filledWith(7);
    ProfileLoad load;
};

Damaged loadDamaged(const TempFolder& folder, std::string_view bytes) {
    folder.write("AnnProfile.txt", bytes);
    Damaged result;
    result.load = loadProfile(folder.path(), "Ann", result.loaded.counts, result.loaded.scores);
    return result;
}

TEST(ProfileLoad, AShortFileUsesItsLinesAndKeepsACopy) {
    TempFolder folder;
    const Damaged damaged = loadDamaged(folder, "4\t1\r\n5\t2\r\n");
    EXPECT_TRUE(damaged.load.found);
    EXPECT_TRUE(damaged.load.damaged);
    EXPECT_EQ(damaged.loaded.counts, (ProfileCounters{4, 5, 0, 0, 0, 0, 0, 0, 0, 0, 7}));
    EXPECT_EQ(damaged.loaded.scores, (ProfileCounters{1, 2, 0, 0, 0, 0, 0, 0, 0, 0, 7}));
    EXPECT_EQ(folder.read("AnnProfile.txt.damaged-0"), "4\t1\r\n5\t2\r\n");
    EXPECT_EQ(std::filesystem::path(damaged.load.keptAs), folder / "AnnProfile.txt.damaged-0");
    EXPECT_NE(profileLoadMessage(damaged.load)->find("it has 2 lines instead of 10"),
              std::string::npos);
}

TEST(ProfileLoad, EachKindOfBadLineStartsThatLineAtZero) {
    const std::string good(kSavedBytes.substr(5)); // lines 2..10 of a saved profile
    for (const std::string_view bad :
         {"3 1", "3\t", "\t1", "3\t1\t0", "x\t1", "3\t1.5", "-1\t0", "+3\t1", " 3\t1", "32768\t0",
          "0\t99999999999", "3\t1\r\r"}) {
        TempFolder folder;
        const Damaged damaged = loadDamaged(folder, std::string(bad) + "\r\n" + good);
        EXPECT_TRUE(damaged.load.damaged) << bad;
        EXPECT_EQ(damaged.loaded.counts[0], 0) << bad;
        EXPECT_EQ(damaged.loaded.scores[0], 0) << bad;
        EXPECT_EQ(damaged.loaded.counts[1], 1) << bad;
        EXPECT_EQ(damaged.loaded.counts[9], 32767) << bad;
        EXPECT_NE(profileLoadMessage(damaged.load)->find("line 1 is not two numbers"),
                  std::string::npos)
            << bad;
    }
}

TEST(ProfileLoad, AScoreAboveItsCountIsADamagedLine) {
    const std::string rest(kSavedBytes.substr(5)); // lines 2..10 of a saved profile
    TempFolder folder;
    const Damaged damaged = loadDamaged(folder, "41\t32767\r\n" + rest);
    EXPECT_TRUE(damaged.load.damaged);
    EXPECT_EQ(damaged.loaded.counts[0], 0);
    EXPECT_EQ(damaged.loaded.scores[0], 0);
    EXPECT_EQ(damaged.loaded.scores[9], 32767); // a score equal to its count is fine
    EXPECT_EQ(profileLoadMessage(damaged.load),
              "Your profile is damaged: line 1 holds a score above its count. The lines that "
              "could be read are used; the others start at 0. The damaged file was kept as "
              "AnnProfile.txt.damaged-0.");
    EXPECT_EQ(folder.read("AnnProfile.txt.damaged-0"), "41\t32767\r\n" + rest);
}

TEST(ProfileLoad, AProfileThatIsNotAFileIsReportedAndNotFollowed) {
    TempFolder folder;
    TempFolder outside;
    outside.write("secret.txt", std::string(kSavedBytes));
    std::filesystem::create_symlink(outside / "secret.txt", folder / "AnnProfile.txt");
    std::filesystem::create_directory(folder / "BobProfile.txt");
    for (const std::string_view name : {"Ann", "Bob"}) {
        Profile loaded = filledWith(7);
        const ProfileLoad load = loadProfile(folder.path(), name, loaded.counts, loaded.scores);
        EXPECT_TRUE(load.damaged) << name;
        EXPECT_EQ(loaded.counts, (ProfileCounters{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 7})) << name;
        EXPECT_NE(profileLoadMessage(load)->find("could not be read"), std::string::npos);
    }
}

TEST(ProfileLoad, KeptCopiesAreNeverOverwrittenAndTheSaveReplacesOnlyTheProfile) {
    TempFolder folder;
    loadDamaged(folder, "first");
    Damaged damaged = loadDamaged(folder, "9\t9\r\nbad\r\n");
    EXPECT_NE(profileLoadMessage(damaged.load)->find("kept as AnnProfile.txt.damaged-1."),
              std::string::npos);
    damaged.loaded.counts[1] = 2;
    ASSERT_EQ(saveProfile(folder.path(), "Ann", damaged.loaded.counts, damaged.loaded.scores),
              std::nullopt);
    EXPECT_EQ(folder.read("AnnProfile.txt").substr(0, 10), "9\t9\r\n2\t0\r\n");
    EXPECT_EQ(folder.read("AnnProfile.txt.damaged-0"), "first");
    EXPECT_EQ(folder.read("AnnProfile.txt.damaged-1"), "9\t9\r\nbad\r\n");
}

} // namespace
} // namespace quintel
