#include "records/history_file.h"

#include "records/file_io.h"
#include "records/player_files.h"

#include <cerrno>
#include <string>

namespace quintel {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string creationProblem(const std::filesystem::path& path, int error) {
    return "Your history file " + path.string() + " could not be created (" + files::reason(error) +
           "). Check that the game's folder can be written, then try again.";
}

} // namespace

HistoryFile::~HistoryFile() {
    close();
}

std::optional<std::string> HistoryFile::create(const std::filesystem::path& dataFolder,
                                               std::string_view playerName) {
    close();
    if (auto problem = playerNameProblem(playerName)) {
        return problem;
    }
    // Trying to create each number in turn, instead of testing for the file first, means a file
    // that appears in between is skipped rather than overwritten.
    for (int number = 0; number <= kLastHistoryNumber; ++number) {
        const std::filesystem::path candidate = historyPath(dataFolder, playerName, number);
        const int descriptor = files::createExclusive(candidate);
        if (descriptor < 0 && errno == EEXIST) {
            continue;
        }
        if (descriptor < 0) {
            return creationProblem(candidate, errno);
        }
        descriptor_ = descriptor;
        path_ = candidate;
        writeLine(std::string(playerName) + " HISTORY");
        return std::nullopt;
    }
    return "There are already too many history files for this name. Move some of them out of the "
           "game's folder, or sign in under another name.";
}

void HistoryFile::writeLine(std::string_view text) {
    if (!isOpen()) {
        return;
    }
    // One write per line, straight to the file: a line that has been written survives a crash.
    std::string line(text);
    line += kLineEnd;
    files::writeAll(descriptor_, line);
}

void HistoryFile::close() {
    if (isOpen()) {
        files::closeDescriptor(descriptor_);
        descriptor_ = -1;
    }
}

} // namespace quintel
