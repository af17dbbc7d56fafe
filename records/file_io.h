#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quintel::files {

// Thin wrappers over the POSIX calls the player files need: exclusive creation (the only way to
// be sure an existing file is never opened for writing), whole writes, bounded reads and names
// that never follow links.

// Opens a new file for writing; fails with EEXIST when anything of that name exists, a dangling
// link included. Returns the descriptor, or -1 with errno set.
int createExclusive(const std::filesystem::path& path);

// A new file "<stem><pid>-XXXXXX.tmp" in `folder`, its last part chosen by mkostemps, with the
// mode any new file of the program gets (0644 less the umask). Its descriptor is -1, with errno
// set, when nothing could be created. The pid in the name lets a later run tell a file whose
// maker was killed from one that is still being written.
struct TemporaryFile {
    int descriptor = -1;
    std::filesystem::path path;
};
TemporaryFile createTemporary(const std::filesystem::path& folder, std::string_view stem);

// Writes as much of `bytes` as the file takes, retrying after interruptions and short writes.
// Returns how many bytes were written; when that is fewer than all, errno says why.
std::size_t writeAsMuchAsPossible(int descriptor, std::string_view bytes);

// Removes the regular files "<stem><pid>-<anything>.tmp" in `folder` whose process has ended:
// what a run killed in the middle of writing left behind.
void removeStaleTemporaries(const std::filesystem::path& folder, std::string_view stem);

// Writes every byte, retrying after interruptions and short writes.
bool writeAll(int descriptor, std::string_view bytes);

// The first bytes of a regular file, at most a given number.
struct BoundedRead {
    std::string bytes;
    bool complete = false; // `bytes` hold the whole file
    std::uintmax_t size = 0;
};

// Reads a regular file (not through a link, and never more than `limit` bytes, so a huge file
// cannot exhaust memory), or nothing with errno set.
std::optional<BoundedRead> readAtMost(const std::filesystem::path& path, std::size_t limit);

// Whether the two names are the same file, neither followed if it is a link.
bool sameEntry(const std::filesystem::path& first, const std::filesystem::path& second);

// Gives the file `existing` (the link itself if it is one) the further name `added` without
// copying anything: a hard link. Fails with EEXIST when `added` exists.
bool addName(const std::filesystem::path& existing, const std::filesystem::path& added);

// Renames `from` to `to` unless something called `to` exists (EEXIST then).
bool renameExclusive(const std::filesystem::path& from, const std::filesystem::path& to);

// Whether `path` is a regular file whose mode bits deny its owner writing. Decided by the mode,
// not by access(), which says yes to root for every file.
bool ownerMayNotWrite(const std::filesystem::path& path);

// Makes what was written to the file, or a rename in the folder, survive a power cut.
bool syncToDisk(int descriptor);
bool syncFolder(const std::filesystem::path& folder);

// Closes and reports whether everything written so far was accepted.
bool closeDescriptor(int descriptor);

// Writes every byte, syncs them to disk and closes the file, which is closed whatever happens.
// Returns 0 when all of that worked, else the first error.
int writeSyncAndClose(int descriptor, std::string_view bytes);

// An exclusive flock(2) on `path`, held while this lives; the file is made when missing (never
// through a link) and never removed, since removing it would let another program lock a new file
// of that name while this one holds the old. Waits for another holder. error() is 0 when the lock
// is held or the file system has no locks (ENOLCK, EOPNOTSUPP: the caller goes on unlocked), else
// why the lock file could not be opened.
class ExclusiveLock {
public:
    explicit ExclusiveLock(const std::filesystem::path& path);
    ExclusiveLock(const ExclusiveLock&) = delete;
    ExclusiveLock& operator=(const ExclusiveLock&) = delete;
    ~ExclusiveLock();
    int error() const { return error_; }

private:
    int descriptor_ = -1;
    int error_ = 0;
};

// Makes a write past the process's file-size limit fail with EFBIG, which the writer can report,
// instead of ending the program with SIGXFSZ. For the start of each program.
void ignoreFileSizeSignal();

// The system's description of errno value `error`, for messages to the player.
std::string reason(int error);

} // namespace quintel::files
