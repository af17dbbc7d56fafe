#include "records/history_file.h"

#include "records/file_io.h"
#include "records/player_files.h"

#include <cerrno>
#include <string>
#include <utility>

namespace quintel {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string creationProblem(const std::filesystem::path& path, int error) {
    return "Your history file " + path.string() + " could not be created (" + files::reason(error) +
           "). Check that the game's folder can be written, then try again.";
}

std::string writeProblem(const std::filesystem::path& path, int error) {
    return "Your history file " + path.string() + " could not be written (" + files::reason(error) +
           "). You can go on playing: the lines not yet written are kept and added as soon as the "
           "file can be written again.";
}

std::string lossProblem(const std::filesystem::path& path) {
    return "Some lines of your history file " + path.string() +
           " are lost: it could not be written for too long to keep them all.";
}

std::string closeProblem(const std::filesystem::path& path, int error, bool endLost) {
    return "Your history file " + path.string() + " could not be finished (" +
           files::reason(error) + "). " +
           (endLost ? "Its last lines are lost." : "Its last lines may be missing.");
}

// 0 when the file is on disk and closed, else the first error. The sync brings out what the
// disk would otherwise report only after the program has gone.
int syncAndClose(int descriptor) {
    int error = 0;
    if (!files::syncToDisk(descriptor) && errno != EINVAL) {
        error = errno;
    }
    if (!files::closeDescriptor(descriptor) && error == 0) {
        error = errno;
    }
    return error;
}

// Stands in the file where lines had to be dropped, so the gap is not silent.
std::string lossMark(std::size_t lines) {
    return "[" + std::to_string(lines) + (lines == 1 ? " line is" : " lines are") +
           " missing here: the file could not be written]" + std::string(kLineEnd);
}

} // namespace

HistoryFile::~HistoryFile() {
    problemHandler_ = nullptr;
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
    if (lineObserver_) {
        lineObserver_(text);
    }
    std::string line(text);
    line += kLineEnd;
    if (holding_) {
        held_ += line;
        // A game of a few dozen lines never comes near this; a bound keeps the memory bounded.
        if (held_.size() >= kPendingLimit) {
            writeOut(std::exchange(held_, {}));
        }
        return;
    }
    writeOut(line);
}

void HistoryFile::writeOut(std::string_view lines) {
    // Whatever the file refused before goes first. On the happy path nothing is kept, and each
    // line is one write straight to the file: a line that has been written survives a crash.
    const bool fileTakesBytes = writePending();
    keep(lines);
    if (!fileTakesBytes || !writePending()) {
        tellOnce(toldWriteProblem_, writeProblem(path_, lastError_));
    }
}

void HistoryFile::holdLines() {
    holding_ = true;
}

void HistoryFile::releaseLines() {
    holding_ = false;
    if (!held_.empty() && isOpen()) {
        writeOut(std::exchange(held_, {}));
    }
    held_.clear();
}

void HistoryFile::keep(std::string_view line) {
    const std::string mark = linesLost_ > 0 ? lossMark(linesLost_) : std::string();
    if (!pending_.empty() && pending_.size() + mark.size() + line.size() > kPendingLimit) {
        ++linesLost_;
        tellOnce(toldLoss_, lossProblem(path_));
        return;
    }
    pending_ += mark;
    pending_ += line;
    linesLost_ = 0;
}

// Whether everything kept has reached the file; what has not stays kept, in order.
bool HistoryFile::writePending() {
    if (pending_.empty()) {
        return true;
    }
    const std::size_t written = files::writeAsMuchAsPossible(descriptor_, pending_);
    const int error = errno;
    pending_.erase(0, written);
    if (pending_.empty()) {
        return true;
    }
    lastError_ = error;
    return false;
}

void HistoryFile::close() {
    if (!isOpen()) {
        return;
    }
    releaseLines();
    if (linesLost_ > 0) {
        pending_ += lossMark(linesLost_);
    }
    const bool endLost = !writePending();
    const int writeError = endLost ? lastError_ : 0;
    const int closeError = syncAndClose(descriptor_);
    descriptor_ = -1;
    pending_.clear();
    linesLost_ = 0;
    lastError_ = 0;
    toldWriteProblem_ = false;
    toldLoss_ = false;
    if (writeError != 0 || closeError != 0) {
        tell(closeProblem(path_, writeError != 0 ? writeError : closeError, endLost));
    }
}

void HistoryFile::tellOnce(bool& told, const std::string& message) {
    if (!told) {
        told = true;
        tell(message);
    }
}

void HistoryFile::tell(const std::string& message) {
    if (problemHandler_) {
        problemHandler_(message);
    }
}

} // namespace quintel
