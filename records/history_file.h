#pragma once

#include "model/history_sink.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace quintel {

// The history file of one stay at the table: <name>_<n>.txt in the data folder, n the first free
// number. It is created exclusively, so two programs signed in under one name never share a file
// and an existing file is never opened, and every write reaches the file before it returns. Lines
// end in CR LF; the text is written byte for byte.
//
// When the file stops taking bytes (a full disk, the file-size limit, a file made immutable) play
// goes on: the bytes not yet written are kept, in order, and go out before anything newer as soon
// as the file takes them again, so no line is lost or run into the next. Only what is kept is
// bounded; lines beyond the bound are lost, and a mark in the file says how many.
class HistoryFile : public HistorySink {
public:
    // The most bytes kept while the file cannot be written. One line is always kept whole, however
    // long.
    static constexpr std::size_t kPendingLimit = std::size_t{1} << 20;

    // Receives what the player must be told: that the file could not be written, and that lines
    // were lost (each at most once per file), and that its end could not be written at close.
    using ProblemHandler = std::function<void(std::string_view message)>;

    HistoryFile() = default;
    HistoryFile(const HistoryFile&) = delete;
    HistoryFile& operator=(const HistoryFile&) = delete;
    // Closes without telling anyone: at the end of the program there is nobody left to tell.
    ~HistoryFile() override;

    void onProblem(ProblemHandler handler) { problemHandler_ = std::move(handler); }
    // Sees every line written while a file is open, as written.
    void onLine(std::function<void(std::string_view)> observer) {
        lineObserver_ = std::move(observer);
    }

    // Creates the next free history file for `playerName` and writes its first line
    // ("<name> HISTORY"), closing any file still open. Returns an error text for the player when
    // nothing could be created.
    std::optional<std::string> create(const std::filesystem::path& dataFolder,
                                      std::string_view playerName);

    bool isOpen() const { return descriptor_ >= 0; }
    const std::filesystem::path& path() const { return path_; }
    // Bytes waiting for the file to take them again.
    std::size_t pendingBytes() const { return pending_.size(); }

    // Writes `text` and a line end. Nothing happens while no file is open.
    void writeLine(std::string_view text) override;

    // While a game is undecided its lines are held back, in order, and written together when it
    // is decided: the file would otherwise show the computer's hidden dice to anyone who opens it
    // during the game. A crash loses at most the held lines of that one game. The line observer
    // still sees each line as it is written.
    void holdLines();
    // Writes the held lines and writes each later line at once again.
    void releaseLines();
    // The lines held back, as they will reach the file.
    std::string_view heldLines() const { return held_; }
    // Writes what is still kept and closes the file; tells the problem handler when its end could
    // not be written.
    void close();

private:
    void writeOut(std::string_view lines);
    void keep(std::string_view line);
    bool writePending();
    void tellOnce(bool& told, const std::string& message);
    void tell(const std::string& message);

    int descriptor_ = -1;
    std::filesystem::path path_;
    std::string pending_;
    std::string held_;
    bool holding_ = false;
    std::size_t linesLost_ = 0; // since the last line kept; marked before the next one
    int lastError_ = 0;
    bool toldWriteProblem_ = false;
    bool toldLoss_ = false;
    ProblemHandler problemHandler_;
    std::function<void(std::string_view)> lineObserver_;
};

} // namespace quintel
