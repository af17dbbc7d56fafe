#pragma once

#include "model/history_sink.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

namespace quintel {

// The history file of one stay at the table: <name>_<n>.txt in the data folder, n the first free
// number. It is created exclusively, so two programs signed in under one name never share a file,
// and every write reaches the file before it returns. Lines end in CR LF.
class HistoryFile : public HistorySink {
public:
    // Creates the next free history file for `playerName` and writes its first line
    // ("<name> HISTORY"). Returns an error text for the player when nothing could be created.
    std::optional<std::string> create(const std::filesystem::path& dataFolder,
                                      std::string_view playerName);

    bool isOpen() const { return stream_.is_open(); }
    const std::filesystem::path& path() const { return path_; }

    // Writes `text` and a line end. Nothing happens while no file is open.
    void writeLine(std::string_view text) override;
    void close();

private:
    std::ofstream stream_;
    std::filesystem::path path_;
};

} // namespace quintel
