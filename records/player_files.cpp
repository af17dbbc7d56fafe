#include "records/player_files.h"

#include "model/counters.h"
#include "records/file_io.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <memory>
#include <string>
#include <type_traits>

#include <iconv.h>

namespace quintel {

namespace {

using IconvHandle = std::unique_ptr<std::remove_pointer_t<iconv_t>, decltype(&iconv_close)>;

// The characters of a UTF-8 text, or nothing when the text is not valid UTF-8 (a stray or
// truncated byte, an overlong form, a surrogate, a code point beyond U+10FFFF).
std::optional<std::u32string> decodeUtf8(std::string_view text) {
    constexpr const char* kUtf32 =
        std::endian::native == std::endian::little ? "UTF-32LE" : "UTF-32BE";
    const IconvHandle converter(iconv_open(kUtf32, "UTF-8"), &iconv_close);
    if (converter.get() == reinterpret_cast<iconv_t>(-1)) {
        return std::nullopt;
    }
    std::string input(text);
    std::u32string characters(text.size(), U'\0'); // never more characters than bytes
    char* in = input.data();
    std::size_t inLeft = input.size();
    char* out = reinterpret_cast<char*>(characters.data());
    std::size_t outLeft = characters.size() * sizeof(char32_t);
    if (iconv(converter.get(), &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1)) {
        return std::nullopt;
    }
    characters.resize(characters.size() - outLeft / sizeof(char32_t));
    return characters;
}

// Characters that show as something else than they are: controls (C0, DEL, C1), the bidirectional
// embeddings, overrides and isolates that reorder what follows them, the line and paragraph
// separators, and the zero-width characters.
bool isDeceptiveCharacter(char32_t c) {
    const auto within = [c](char32_t first, char32_t last) { return c >= first && c <= last; };
    return c < 0x20 || within(0x7F, 0x9F) || within(0x202A, 0x202E) || within(0x2066, 0x2069) ||
           within(0x2028, 0x2029) || within(0x200B, 0x200D) || c == 0xFEFF;
}

bool showsAsSomethingElse(std::string_view name) {
    const std::optional<std::u32string> characters = decodeUtf8(name);
    return !characters || std::any_of(characters->begin(), characters->end(), isDeceptiveCharacter);
}

std::string profileLine(int count, int score) {
    // Clamped so that whatever is saved can be read back.
    const auto field = [](int value) { return std::to_string(std::clamp(value, 0, kCounterMax)); };
    return field(count) + "\t" + field(score) + "\r\n";
}

std::string profileText(const ProfileCounters& counts, const ProfileCounters& scores) {
    std::string text;
    for (std::size_t i = 0; i < kProfileLines; ++i) {
        text += profileLine(counts[i], scores[i]);
    }
    return text;
}

// One lock for the profiles of a data folder: saves are short and rare.
constexpr std::string_view kProfileLockName = ".quintel-profile.lock";

// The name of every temporary file of a save begins with this, followed by the saving process.
constexpr std::string_view kProfileTemporaryStem = ".quintel-profile-";

std::string saveProblem(const std::filesystem::path& path, int error) {
    return "Your profile " + path.filename().string() + " could not be saved (" +
           files::reason(error) + "). The statistics of this stay at the table are lost.";
}

// 0 when a file can be created in `folder` and take as many bytes as a sign-in writes, else why
// not. An empty file can be made even on a full disk, so the probe has to write.
int signInWriteError(const std::filesystem::path& folder) {
    const files::TemporaryFile probe = files::createTemporary(folder, ".quintel-write-test-");
    if (probe.descriptor < 0) {
        return errno;
    }
    const int error =
        files::writeSyncAndClose(probe.descriptor, std::string(kLongestSignInBytes, ' '));
    std::error_code ignored;
    std::filesystem::remove(probe.path, ignored);
    return error;
}

// Why the profile may not be saved at all (a name that names no file of the folder, a profile
// kept read-only), or nothing.
std::optional<std::string> profileSaveRefused(const std::filesystem::path& dataFolder,
                                              std::string_view name) {
    if (auto problem = playerNameProblem(name)) {
        return problem;
    }
    const std::filesystem::path target = profilePath(dataFolder, name);
    if (files::ownerMayNotWrite(target)) {
        return "Your profile " + target.filename().string() +
               " is read-only, so it was not changed: the statistics of this stay at the table "
               "are not saved.";
    }
    return std::nullopt;
}

// Replaces the profile with `text` atomically (a new file renamed over the old one).
std::optional<std::string> writeProfile(const std::filesystem::path& dataFolder,
                                        const std::filesystem::path& target,
                                        std::string_view text) {
    // The new profile is complete and on disk before it takes the old one's name, so a save cut
    // short leaves the old profile or the new one, never a mix.
    const files::TemporaryFile temporary =
        files::createTemporary(dataFolder, kProfileTemporaryStem);
    if (temporary.descriptor < 0) {
        return saveProblem(target, errno);
    }
    const int error = files::writeSyncAndClose(temporary.descriptor, text);
    std::error_code renamed;
    if (error == 0) {
        std::filesystem::rename(temporary.path, target, renamed);
    }
    if (error != 0 || renamed) {
        std::error_code ignored;
        std::filesystem::remove(temporary.path, ignored);
        return saveProblem(target, error != 0 ? error : renamed.value());
    }
    files::syncFolder(dataFolder);
    return std::nullopt;
}

// What the stored counters become with the stay's changes, each within what the profile keeps.
Profile withChanges(const Profile& stored, const Profile& atSignIn, const Profile& now) {
    Profile merged = now;
    const auto add = [](int kept, int before, int after) {
        return std::clamp(kept + (after - before), 0, kCounterMax);
    };
    for (std::size_t i = 0; i < kProfileLines; ++i) {
        merged.counts[i] = add(stored.counts[i], atSignIn.counts[i], now.counts[i]);
        merged.scores[i] =
            std::min(add(stored.scores[i], atSignIn.scores[i], now.scores[i]), merged.counts[i]);
    }
    return merged;
}

} // namespace

std::optional<std::string> playerNameProblem(std::string_view name) {
    if (name.find('/') != std::string_view::npos) {
        return "A name cannot contain the character /. Please type another name.";
    }
    if (showsAsSomethingElse(name)) {
        return "A name cannot contain control characters such as tabs or line breaks. Please type "
               "another name.";
    }
    if (name == "." || name == "..") {
        return "The names . and .. cannot be used. Please type another name.";
    }
    if (name.size() > kLongestNameBytes) {
        return "That name is too long to name your files (at most " +
               std::to_string(kLongestNameBytes) + " bytes). Please type a shorter name.";
    }
    return std::nullopt;
}

std::optional<std::string> dataFolderProblem(const std::filesystem::path& dataFolder) {
    if (const int error = signInWriteError(dataFolder); error != 0) {
        return "The game cannot save files in its folder " + dataFolder.string() + " (" +
               files::reason(error) +
               "). Make room there or move the game to a folder you can write to, then try again.";
    }
    return std::nullopt;
}

std::filesystem::path profilePath(const std::filesystem::path& dataFolder, std::string_view name) {
    return dataFolder / (std::string(name) + "Profile.txt");
}

std::filesystem::path historyPath(const std::filesystem::path& dataFolder, std::string_view name,
                                  int number) {
    return dataFolder / (std::string(name) + "_" + std::to_string(number) + ".txt");
}

std::optional<std::string> saveProfile(const std::filesystem::path& dataFolder,
                                       std::string_view name, const ProfileCounters& counts,
                                       const ProfileCounters& scores) {
    if (auto problem = profileSaveRefused(dataFolder, name)) {
        return problem;
    }
    return writeProfile(dataFolder, profilePath(dataFolder, name), profileText(counts, scores));
}

std::optional<std::string> saveProfileChanges(const std::filesystem::path& dataFolder,
                                              std::string_view name, const Profile& atSignIn,
                                              const Profile& now) {
    if (auto problem = profileSaveRefused(dataFolder, name)) {
        return problem;
    }
    const std::filesystem::path target = profilePath(dataFolder, name);
    const files::ExclusiveLock lock(dataFolder / kProfileLockName);
    if (lock.error() != 0) {
        return saveProblem(target, lock.error());
    }
    const Profile merged = withChanges(storedProfile(dataFolder, name), atSignIn, now);
    return writeProfile(dataFolder, target, profileText(merged.counts, merged.scores));
}

void removeLeftoverTemporaries(const std::filesystem::path& dataFolder) {
    files::removeStaleTemporaries(dataFolder, kProfileTemporaryStem);
}

} // namespace quintel
