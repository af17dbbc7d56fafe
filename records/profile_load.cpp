#include "model/game_state.h"
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

// Writes a copy of the damaged profile beside it under the first free name
// "<profile>.damaged-<k>", never over an existing file. Returns the copy's path, or an empty one.
std::filesystem::path keepCopy(const std::filesystem::path& profile, std::string_view bytes) {
    for (int k = 0; k < kDamagedCopies; ++k) {
        std::filesystem::path copy = profile;
        copy += ".damaged-" + std::to_string(k);
        const int descriptor = files::createExclusive(copy);
        if (descriptor < 0 && errno == EEXIST) {
            continue;
        }
        if (descriptor < 0) {
            return {};
        }
        const bool written = files::writeAll(descriptor, bytes) && files::syncToDisk(descriptor);
        if (files::closeDescriptor(descriptor) && written) {
            return copy;
        }
        std::error_code ignored;
        std::filesystem::remove(copy, ignored);
        return {};
    }
    return {};
}

} // namespace

ProfileLoad loadProfile(const std::filesystem::path& dataFolder, std::string_view name,
                        ProfileCounters& counts, ProfileCounters& scores) {
    ProfileLoad load;
    const std::filesystem::path path = profilePath(dataFolder, name);
    std::error_code ignored;
    load.found = !playerNameProblem(name) && std::filesystem::exists(path, ignored);
    if (!load.found) {
        counts.fill(0);
        scores.fill(0);
        return load;
    }
    if (const std::optional<std::string> text = files::readAll(path)) {
        load.problem = readCounters(*text, counts, scores);
        load.keptAs = load.problem.empty() ? "" : keepCopy(path, *text).string();
    } else {
        load.problem = "it could not be read (" + files::reason(errno) + ")";
        readCounters({}, counts, scores);
    }
    load.damaged = !load.problem.empty();
    return load;
}

std::optional<std::string> profileLoadMessage(const ProfileLoad& load) {
    if (!load.damaged) {
        return std::nullopt;
    }
    std::string text = "Your profile is damaged: " + load.problem +
                       ". The lines that could be read are used; the others start at 0.";
    if (load.keptAs.empty()) {
        return text + " The damaged file could not be kept and will be replaced when you stop.";
    }
    return text + " The damaged file was kept as " +
           std::filesystem::path(load.keptAs).filename().string() + ".";
}

} // namespace quintel
