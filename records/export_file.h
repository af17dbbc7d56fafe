#pragma once

#include "records/file_io.h"

#include <array>
#include <filesystem>
#include <optional>
#include <ostream>
#include <streambuf>
#include <string>

namespace quintel {

// Why games may not be exported to `target`, or nothing: a file in the data folder (the record,
// its log, a player's files, or a new name beside them) is the game's, and a folder is no file.
std::optional<std::string> exportTargetProblem(const std::filesystem::path& target,
                                               const std::filesystem::path& dataFolder);

// An export on its way to `target`: written to a temporary file in the target's folder, which
// takes the target's name only once it is complete and on disk, so that a failed export leaves
// whatever had the name before. The temporary file goes when this does, unless committed.
class ExportFile {
public:
    explicit ExportFile(std::filesystem::path target);
    ExportFile(const ExportFile&) = delete;
    ExportFile& operator=(const ExportFile&) = delete;
    ~ExportFile();

    std::ostream& stream() { return stream_; }
    // Writes the rest, syncs it and renames it to the target. Why it could not, or nothing.
    std::optional<std::string> commit();

private:
    // Passes what is written on to the file in blocks, remembering the first error.
    class Buffer : public std::streambuf {
    public:
        explicit Buffer(int descriptor);
        int error() const { return error_; }

    protected:
        int_type overflow(int_type c) override;
        int sync() override;

    private:
        bool drain();
        int descriptor_;
        int error_ = 0;
        std::array<char, 1 << 16> block_{};
    };

    std::optional<std::string> failure(int error) const;

    std::filesystem::path target_;
    files::TemporaryFile temporary_;
    int openError_ = 0;
    Buffer buffer_;
    std::ostream stream_;
    bool committed_ = false;
};

} // namespace quintel
