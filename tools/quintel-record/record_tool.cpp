#include "record_tool.h"

#include "records/record_book.h"
#include "records/record_export.h"
#include "records/record_summary.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

namespace quintel::record_tool {

namespace {

constexpr std::string_view kUsage = "usage: quintel-record DIR [--csv FILE] [--json FILE]\n";

struct Request {
    std::filesystem::path folder;
    std::optional<std::filesystem::path> csv;
    std::optional<std::filesystem::path> json;
};

std::optional<Request> parse(const std::vector<std::string_view>& arguments) {
    Request request;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if ((argument == "--csv" || argument == "--json") && i + 1 < arguments.size()) {
            (argument == "--csv" ? request.csv : request.json) = arguments[++i];
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

bool exportGames(RecordBook& book, const Request& request, std::ostream& err) {
    std::ofstream csvFile;
    std::ofstream jsonFile;
    if (request.csv) {
        csvFile.open(*request.csv, std::ios::binary);
    }
    if (request.json) {
        jsonFile.open(*request.json, std::ios::binary);
    }
    std::optional<CsvGames> csv;
    std::optional<JsonGames> json;
    if (csvFile.is_open()) {
        csv.emplace(csvFile);
    }
    if (jsonFile.is_open()) {
        json.emplace(jsonFile);
    }
    book.forEachGame([&](const GameRecord& game) {
        if (csv) {
            csv->add(game);
        }
        if (json) {
            json->add(game);
        }
    });
    json.reset();
    bool written = true;
    for (const auto& [name, file] : {std::pair{request.csv, &csvFile}, {request.json, &jsonFile}}) {
        if (name && !file->flush()) {
            err << "quintel-record: cannot write " << name->string() << "\n";
            written = false;
        }
    }
    return written;
}

} // namespace

int run(const std::vector<std::string_view>& arguments, std::ostream& out, std::ostream& err) {
    const std::optional<Request> request = parse(arguments);
    if (!request) {
        err << kUsage;
        return 2;
    }
    const std::filesystem::path path = RecordBook::pathIn(request->folder);
    if (!std::filesystem::is_regular_file(path)) {
        err << "quintel-record: no record of games in " << request->folder.string() << "\n";
        return 1;
    }
    try {
        RecordBook book(path, false);
        out << summaryText(summarizeRecord(book));
        if ((request->csv || request->json) && !exportGames(book, *request, err)) {
            return 1;
        }
        return 0;
    } catch (const sqlite::Error& error) {
        err << "quintel-record: " << path.string() << ": " << error.what() << "\n";
        return 1;
    }
}

} // namespace quintel::record_tool
