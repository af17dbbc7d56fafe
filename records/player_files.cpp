#include "records/player_files.h"

#include "model/game_state.h"
#include "records/file_io.h"

#include <algorithm>
#include <cerrno>
#include <string>

namespace quintel {

namespace {

bool isControlCharacter(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
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

// 0 when every byte is written, on disk and closed; otherwise the error.
int writeAndClose(int descriptor, std::string_view text) {
    int error = 0;
    if (!files::writeAll(descriptor, text) || !files::syncToDisk(descriptor)) {
        error = errno;
    }
    if (!files::closeDescriptor(descriptor) && error == 0) {
        error = errno;
    }
    return error;
}

// The name of every temporary file of a save begins with this, followed by the saving process.
constexpr std::string_view kProfileTemporaryStem = ".quintel-profile-";

std::string saveProblem(const std::filesystem::path& path, int error) {
    return "Your profile " + path.filename().string() + " could not be saved (" +
           files::reason(error) + "). The statistics of this stay at the table are lost.";
}

} // namespace

std::optional<std::string> playerNameProblem(std::string_view name) {
    if (name.find('/') != std::string_view::npos) {
        return "A name cannot contain the character /. Please type another name.";
    }
    if (std::any_of(name.begin(), name.end(), isControlCharacter)) {
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
    const files::TemporaryFile probe = files::createTemporary(dataFolder, ".quintel-write-test-");
    if (probe.descriptor < 0) {
        return "The game cannot save files in its folder " + dataFolder.string() + " (" +
               files::reason(errno) +
               "). Move the game to a folder you can write to and try again.";
    }
    files::closeDescriptor(probe.descriptor);
    std::error_code ignored;
    std::filesystem::remove(probe.path, ignored);
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
    if (auto problem = playerNameProblem(name)) {
        return problem;
    }
    const std::filesystem::path target = profilePath(dataFolder, name);
    if (files::ownerMayNotWrite(target)) {
        return "Your profile " + target.filename().string() +
               " is read-only, so it was not changed: the statistics of this stay at the table "
               "are not saved.";
    }
    // The new profile is complete and on disk before it takes the old one's name, so a save cut
    // short leaves the old profile or the new one, never a mix.
    const files::TemporaryFile temporary =
        files::createTemporary(dataFolder, kProfileTemporaryStem);
    if (temporary.descriptor < 0) {
        return saveProblem(target, errno);
    }
    const int error = writeAndClose(temporary.descriptor, profileText(counts, scores));
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

void removeLeftoverTemporaries(const std::filesystem::path& dataFolder) {
    files::removeStaleTemporaries(dataFolder, kProfileTemporaryStem);
}

} // namespace quintel
