#include "model/counters.h"
#include "records/damaged_profile.h"
#include "records/file_io.h"
#include "records/player_files.h"

#include <cerrno>
#include <charconv>
#include <string>
#include <vector>

namespace quintel {

namespace {

// The lines of the file, each without its CR LF or LF; text after the last line end counts as a
// line of its own.
std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

// A counter as the profile writes it: decimal digits only, 0..32767. Counters count calls, so a
// sign (and with it a negative value) marks a damaged file.
std::optional<int> parseCounter(std::string_view field) {
    int value = 0;
    const char* end = field.data() + field.size();
    const auto [stop, error] = std::from_chars(field.data(), end, value);
    const bool digitsOnly = !field.empty() && field.front() != '-' && stop == end;
    if (error != std::errc() || !digitsOnly || value > kCounterMax) {
        return std::nullopt;
    }
    return value;
}

enum class LineFault { none, notNumbers, scoreAboveCount };

LineFault parseLine(std::string_view line, int& count, int& score) {
    const std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos) {
        return LineFault::notNumbers;
    }
    const auto first = parseCounter(line.substr(0, tab));
    const auto second = parseCounter(line.substr(tab + 1));
    if (!first || !second) {
        return LineFault::notNumbers;
    }
    // The score counts some of the calls the count counts; the game never writes more.
    if (*second > *first) {
        return LineFault::scoreAboveCount;
    }
    count = *first;
    score = *second;
    return LineFault::none;
}

std::string lineProblem(std::size_t index, LineFault fault) {
    const std::string line = "line " + std::to_string(index + 1);
    if (fault == LineFault::scoreAboveCount) {
        return line + " holds a score above its count";
    }
    return line + " is not two numbers from 0 to 32767 separated by a TAB";
}

// Fills entries 0..9 from the text; lines that cannot be read start at 0. Returns what was wrong
// first, or an empty text.
std::string readCounters(std::string_view text, ProfileCounters& counts, ProfileCounters& scores) {
    const std::vector<std::string_view> lines = splitLines(text);
    std::string problem;
    for (std::size_t i = 0; i < kProfileLines; ++i) {
        counts[i] = 0;
        scores[i] = 0;
        if (i >= lines.size()) {
            continue;
        }
        const LineFault fault = parseLine(lines[i], counts[i], scores[i]);
        if (fault != LineFault::none && problem.empty()) {
            problem = lineProblem(i, fault);
        }
    }
    if (problem.empty() && lines.size() < kProfileLines) {
        problem = "it has " + std::to_string(lines.size()) + " lines instead of 10";
    }
    return problem;
}

// Of a file too long to read whole, the lines that ended within what was read.
std::string_view wholeLines(std::string_view bytes) {
    const std::size_t lastEnd = bytes.rfind('\n');
    return lastEnd == std::string_view::npos ? std::string_view() : bytes.substr(0, lastEnd + 1);
}

// Why nothing of the profile could be read: what it is instead of a file, or the system's reason.
std::string unreadable(std::filesystem::file_type type, int error) {
    using enum std::filesystem::file_type;
    switch (type) {
    case symlink:
        return "it is a symbolic link";
    case directory:
        return "it is a folder";
    case fifo:
        return "it is a named pipe";
    case socket:
        return "it is a socket";
    case block:
    case character:
        return "it is a device";
    default:
        return files::reason(error);
    }
}

// Fills the counters from what could be read of an existing profile and says what was wrong.
void readProfile(const std::filesystem::path& path, std::filesystem::file_type type,
                 ProfileLoad& load, ProfileCounters& counts, ProfileCounters& scores) {
    const std::optional<files::BoundedRead> read = files::readAtMost(path, kProfileReadLimit);
    if (!read) {
        load.nothingRead = true;
        load.problem = unreadable(type, errno);
        readCounters({}, counts, scores);
    } else if (!read->complete) {
        readCounters(wholeLines(read->bytes), counts, scores);
        load.problem =
            "it is " + std::to_string(read->size) + " bytes long, far longer than a profile";
    } else {
        load.problem = readCounters(read->bytes, counts, scores);
    }
    load.damaged = !load.problem.empty();
    if (load.damaged) {
        const bool whole = read && read->complete;
        load.keptAs =
            keepDamaged({path, whole ? std::optional(read->bytes) : std::nullopt}).string();
    }
}

} // namespace

ProfileLoad loadProfile(const std::filesystem::path& dataFolder, std::string_view name,
                        ProfileCounters& counts, ProfileCounters& scores) {
    ProfileLoad load;
    const std::filesystem::path path = profilePath(dataFolder, name);
    std::error_code ignored;
    // Not followed: a link under the profile's name, even a dangling one, is something to report.
    const std::filesystem::file_status status = std::filesystem::symlink_status(path, ignored);
    load.found = !playerNameProblem(name) && std::filesystem::exists(status);
    if (!load.found) {
        counts.fill(0);
        scores.fill(0);
        return load;
    }
    readProfile(path, status.type(), load, counts, scores);
    return load;
}

Profile storedProfile(const std::filesystem::path& dataFolder, std::string_view name) {
    Profile stored;
    if (playerNameProblem(name)) {
        return stored;
    }
    const std::optional<files::BoundedRead> read =
        files::readAtMost(profilePath(dataFolder, name), kProfileReadLimit);
    if (read) {
        readCounters(read->complete ? std::string_view(read->bytes) : wholeLines(read->bytes),
                     stored.counts, stored.scores);
    }
    return stored;
}

std::optional<std::string> profileLoadMessage(const ProfileLoad& load) {
    if (!load.damaged) {
        return std::nullopt;
    }
    std::string text = load.nothingRead
                           ? "Your profile could not be read (" + load.problem +
                                 "), so your statistics start again from 0."
                           : "Your profile is damaged: " + load.problem +
                                 ". The lines that could be read are used; the others start at 0.";
    const std::string file = load.nothingRead ? "file" : "damaged file";
    if (load.keptAs.empty()) {
        return text + " The " + file + " could not be kept and will be replaced when you stop.";
    }
    return text + " The " + file + " was kept as " +
           std::filesystem::path(load.keptAs).filename().string() + ".";
}

} // namespace quintel
