#pragma once

#include "model/history_sink.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quintel {

// The history file of one stay at the table: <name>_<n>.txt in the data folder, n the first free
// number. It is created exclusively, so two programs signed in under one name never share a file
// and an existing file is never opened, and every write reaches the file before it returns. Lines
// end in CR LF; the text is written byte for byte.
class HistoryFile : public HistorySink {
public:
    HistoryFile() = default;
    HistoryFile(const HistoryFile&) = delete;
    HistoryFile& operator=(const HistoryFile&) = delete;
    ~HistoryFile() override;

    // Creates the next free history file for `playerName` and writes its first line
    // ("<name> HISTORY"), closing any file still open. Returns an error text for the player when
    // nothing could be created.
    std::optional<std::string> create(const std::filesystem::path& dataFolder,
                                      std::string_view playerName);

    bool isOpen() const { return descriptor_ >= 0; }
    const std::filesystem::path& path() const { return path_; }

    // Writes `text` and a line end. Nothing happens while no file is open.
    void writeLine(std::string_view text) override;
    void close();

private:
    int descriptor_ = -1;
    std::filesystem::path path_;
};

} // namespace quintel
