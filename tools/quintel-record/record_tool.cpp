#include "record_tool.h"

#include "records/export_file.h"
#include "records/record_book.h"
#include "records/record_export.h"
#include "records/record_summary.h"

#include <exception>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <system_error>

namespace quintel::record_tool {

namespace {

constexpr std::string_view kUsage =
    "usage: quintel-record DIR [--csv FILE] [--json FILE] [--check]\n";

struct Request {
    std::filesystem::path folder;
    std::optional<std::filesystem::path> csv;
    std::optional<std::filesystem::path> json;
    bool check = false;
};

std::optional<Request> parse(const std::vector<std::string_view>& arguments) {
    Request request;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        auto& file = argument == "--csv" ? request.csv : request.json;
        if ((argument == "--csv" || argument == "--json") && i + 1 < arguments.size() && !file) {
            file = arguments[++i];
        } else if (argument == "--check" && !request.check) {
            request.check = true;
        } else if (!argument.starts_with("-") && request.folder.empty()) {
            request.folder = argument;
        } else {
            return std::nullopt;
        }
    }
    if (request.folder.empty()) {
        return std::nullopt;
    }
    return request;
}

// The same file, existing or not: names that differ only in links, "." or "..".
bool samePath(const std::filesystem::path& first, const std::filesystem::path& second) {
    std::error_code error;
    if (std::filesystem::equivalent(first, second, error)) {
        return true;
    }
    std::error_code firstError;
    std::error_code secondError;
    const auto one = std::filesystem::weakly_canonical(first, firstError);
    const auto other = std::filesystem::weakly_canonical(second, secondError);
    return !firstError && !secondError && one == other;
}

// Why the files to write cannot be written, or nothing.
std::optional<std::string> targetsProblem(const Request& request) {
    if (request.csv && request.json && samePath(*request.csv, *request.json)) {
        return "--csv and --json name the same file " + request.csv->string();
    }
    for (const auto& target : {request.csv, request.json}) {
        if (target) {
            if (auto problem = exportTargetProblem(*target, request.folder)) {
                return problem;
            }
        }
    }
    return std::nullopt;
}

// What one reading of the record gives: the summary, the check's verdict and the exports on their
// way, kept back until the reading is known to hold together.
struct Reading {
    std::string summary;
    std::optional<std::string> verdict;
    std::optional<ExportFile> csv;
    std::optional<ExportFile> json;
};

void read(RecordBook& book, const Request& request, Reading& reading) {
    reading.summary = summaryText(summarizeRecord(book));
    if (request.check) {
        reading.verdict = book.integrityCheck();
    }
    if (request.csv) {
        reading.csv.emplace(*request.csv);
    }
    if (request.json) {
        reading.json.emplace(*request.json);
    }
    std::optional<CsvGames> csv;
    std::optional<JsonGames> json;
    if (reading.csv) {
        csv.emplace(reading.csv->stream());
    }
    if (reading.json) {
        json.emplace(reading.json->stream());
    }
    if (csv || json) {
        book.forEachGame([&](const GameRecord& game) {
            if (csv) {
                csv->add(game);
            }
            if (json) {
                json->add(game);
            }
        });
    }
}

int report(Reading& reading, std::ostream& out, std::ostream& err) {
    out << reading.summary;
    int status = 0;
    if (reading.verdict) {
        out << "Check: " << *reading.verdict << "\n";
        status = *reading.verdict == "ok" ? 0 : 1;
    }
    for (std::optional<ExportFile>* file : {&reading.csv, &reading.json}) {
        if (*file) {
            if (const auto problem = (*file)->commit()) {
                err << "quintel-record: " << *problem << "\n";
                status = 1;
            }
        }
    }
    return status;
}

int summarise(const Request& request, std::ostream& out, std::ostream& err) {
    const std::filesystem::path path = RecordBook::pathIn(request.folder);
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::symlink_status(path, error);
    if (error && error != std::errc::no_such_file_or_directory) {
        err << "quintel-record: cannot look at " << path.string() << ": " << error.message()
            << "\n";
        return 1;
    }
    if (!std::filesystem::is_regular_file(status)) {
        err << "quintel-record: no record of games in " << request.folder.string() << "\n";
        return 1;
    }
    if (const auto problem = targetsProblem(request)) {
        err << "quintel-record: " << *problem << "\n";
        return 2;
    }
    try {
        // A program that wrote the record while it was read as it lay: read again, beside it.
        for (int attempt = 0;; ++attempt) {
            Reading reading;
            RecordBook book = RecordBook::forReading(path);
            read(book, request, reading);
            if (attempt < 2 && book.changedSinceOpened()) {
                continue;
            }
            return report(reading, out, err);
        }
    } catch (const sqlite::Error& failure) {
        err << "quintel-record: " << path.string() << ": " << failure.what() << "\n";
        return 1;
    }
}

} // namespace

int run(const std::vector<std::string_view>& arguments, std::ostream& out, std::ostream& err) {
    const std::optional<Request> request = parse(arguments);
    if (!request) {
        err << kUsage;
        return 2;
    }
    // A path the system refuses (too long, no permission) is reported like any other problem.
    try {
        return summarise(*request, out, err);
    } catch (const std::exception& failure) {
        err << "quintel-record: " << failure.what() << "\n";
        return 1;
    }
}

} // namespace quintel::record_tool
