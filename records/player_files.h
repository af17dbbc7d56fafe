#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quintel {

// History files are numbered 0..kLastHistoryNumber, and a damaged profile is kept under one of
// kDamagedCopies names "<name>Profile.txt.damaged-<k>". The longest file name made from a player's
// name must stay within the file system's limit of 255 bytes, which bounds the name's length.
inline constexpr int kLastHistoryNumber = 999999;
inline constexpr int kDamagedCopies = 100;
inline constexpr std::size_t kFileNameMax = 255;
inline constexpr std::size_t kLongestNameBytes =
    kFileNameMax - std::string_view("Profile.txt.damaged-99").size();

// Why a typed name cannot name the player's files inside the data folder (a path separator, "."
// or "..", too long for the file system) or would show as something else than it is (not valid
// UTF-8; a control, bidirectional, line-separating or zero-width character), or nothing when it
// is fine. The empty name and names of spaces are allowed.
std::optional<std::string> playerNameProblem(std::string_view name);

// What a sign-in writes to the history file at most: the longest name's " HISTORY" line, the
// longest options line and the empty line, each ending in CR LF.
inline constexpr std::size_t kLongestSignInBytes =
    kLongestNameBytes + std::string_view(" HISTORY\r\n").size() +
    std::string_view("Fix Any + Fix Permanent\r\n").size() + std::string_view("\r\n").size();

// Whether a sign-in's files can be created and written in the data folder; an error text for the
// player if not.
std::optional<std::string> dataFolderProblem(const std::filesystem::path& dataFolder);

std::filesystem::path profilePath(const std::filesystem::path& dataFolder, std::string_view name);
std::filesystem::path historyPath(const std::filesystem::path& dataFolder, std::string_view name,
                                  int number);

using ProfileCounters = std::array<int, 11>;

// The computer's read of the player: per win-probability bucket 0..10, the player's calls judged
// there and how many of them understated the dice.
struct Profile {
    ProfileCounters counts{};
    ProfileCounters scores{};
    bool operator==(const Profile&) const = default;
};
// Entries 0..9 of both counters are kept, one line each; entry 10 lives only in memory.
inline constexpr std::size_t kProfileLines = 10;

// A profile the game writes is under 200 bytes; a file longer than this is not one, and no more
// of it is read.
inline constexpr std::size_t kProfileReadLimit = 64 * 1024;

struct ProfileLoad {
    bool found = false;       // something of the profile's name exists
    bool damaged = false;     // some lines could not be read, or none; they start at 0
    bool nothingRead = false; // the file could not be read at all (not a file, no permission)
    std::string keptAs;       // where the damaged file was kept, beside the profile; empty if not
    std::string problem;      // what was wrong, for the player
};

// The one message that tells the player about a damaged profile, or nothing when it was fine.
std::optional<std::string> profileLoadMessage(const ProfileLoad& load);

// Reads entries 0..9 of both counters from the player's profile. A missing file sets all eleven
// entries to 0; an existing file leaves entry 10 as it was. Unreadable lines (not two integers
// separated by a TAB, out of the 16-bit range, a score above its count, missing) start at 0, and
// so do all lines of a file that cannot be read. A damaged file is kept beside the profile under
// another name so the next save cannot lose it, once for each distinct content.
ProfileLoad loadProfile(const std::filesystem::path& dataFolder, std::string_view name,
                        ProfileCounters& counts, ProfileCounters& scores);

// Writes entries 0..9 atomically (a new file renamed over the old one): an interrupted save leaves
// the old or the new profile, never a mix. A profile its owner may not write is left as it is.
// Returns a text for the player when the profile was not saved.
std::optional<std::string> saveProfile(const std::filesystem::path& dataFolder,
                                       std::string_view name, const ProfileCounters& counts,
                                       const ProfileCounters& scores);

// The counters the profile holds now, read as a sign-in reads them (lines that cannot be read, and
// a profile that is missing or no file, count 0), without keeping anything of a damaged file.
Profile storedProfile(const std::filesystem::path& dataFolder, std::string_view name);

// Saves what this stay changed in the profile, `now` less `atSignIn` entry by entry, added to what
// the profile holds when it is saved: another program that saved the same profile meanwhile (an
// arena, a second game) keeps what it added. The profile is read again and replaced under an
// exclusive lock (flock(2) on ".quintel-profile.lock" in the data folder, which stays there), so
// two saves at once add up too. Entries stay within 0..32767 and a score never exceeds its
// count; entry 10 is not kept. Otherwise as saveProfile, whose problems it reports.
std::optional<std::string> saveProfileChanges(const std::filesystem::path& dataFolder,
                                              std::string_view name, const Profile& atSignIn,
                                              const Profile& now);

// Removes what saves cut short by a kill left in the data folder.
void removeLeftoverTemporaries(const std::filesystem::path& dataFolder);

} // namespace quintel
