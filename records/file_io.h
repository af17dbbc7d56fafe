#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quintel::files {

// Thin wrappers over the POSIX calls the player files need: exclusive creation (the only way to
// be sure an existing file is never opened for writing), whole writes, and whole reads.

// Opens a new file for writing; fails with EEXIST when anything of that name exists, a dangling
// link included. Returns the descriptor, or -1 with errno set.
int createExclusive(const std::filesystem::path& path);

// A new file "<stem><pid>-<k>.tmp" in `folder` with the first free k. Its descriptor is -1, with
// errno set, when nothing could be created.
struct TemporaryFile {
    int descriptor = -1;
    std::filesystem::path path;
};
TemporaryFile createTemporary(const std::filesystem::path& folder, std::string_view stem);

// Writes as much of `bytes` as the file takes, retrying after interruptions and short writes.
// Returns how many bytes were written; when that is fewer than all, errno says why.
std::size_t writeAsMuchAsPossible(int descriptor, std::string_view bytes);

// Writes every byte, retrying after interruptions and short writes.
bool writeAll(int descriptor, std::string_view bytes);

// The whole content of a regular file (not through a link), or nothing with errno set.
std::optional<std::string> readAll(const std::filesystem::path& path);

// Makes what was written to the file, or a rename in the folder, survive a power cut.
bool syncToDisk(int descriptor);
bool syncFolder(const std::filesystem::path& folder);

// Closes and reports whether everything written so far was accepted.
bool closeDescriptor(int descriptor);

// Makes a write past the process's file-size limit fail with EFBIG, which the writer can report,
// instead of ending the program with SIGXFSZ. For the start of each program.
void ignoreFileSizeSignal();

// The system's description of errno value `error`, for messages to the player.
std::string reason(int error);

} // namespace quintel::files
