#include "records/file_io.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quintel::files {

int createExclusive(const std::filesystem::path& path) {
    int descriptor = -1;
    do {
        descriptor =
            ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0644);
    } while (descriptor < 0 && errno == EINTR);
    return descriptor;
}

std::size_t writeAsMuchAsPossible(int descriptor, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(descriptor, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            errno = written == 0 ? EIO : errno;
            break;
        }
        done += static_cast<std::size_t>(written);
    }
    return done;
}

bool writeAll(int descriptor, std::string_view bytes) {
    return writeAsMuchAsPossible(descriptor, bytes) == bytes.size();
}

namespace {

// Reads up to `limit` bytes of a regular file; 0, or why it cannot be read (not a regular file,
// an error).
int readRegular(int descriptor, std::size_t limit, BoundedRead& read) {
    struct stat status {};
    if (::fstat(descriptor, &status) != 0) {
        return errno;
    }
    if (!S_ISREG(status.st_mode)) {
        return S_ISDIR(status.st_mode) ? EISDIR : EINVAL;
    }
    read.size = static_cast<std::uintmax_t>(status.st_size);
    // One byte past the limit tells whether there is more, whatever the size said a moment ago.
    read.bytes.resize(limit + 1);
    std::size_t got = 0;
    while (got < read.bytes.size()) {
        const ssize_t n = ::read(descriptor, read.bytes.data() + got, read.bytes.size() - got);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return errno;
        }
        if (n == 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    read.complete = got <= limit;
    read.bytes.resize(std::min(got, limit));
    return 0;
}

} // namespace

std::optional<BoundedRead> readAtMost(const std::filesystem::path& path, std::size_t limit) {
    // Non-blocking, so that a pipe under the name cannot hang the caller; a link is not followed,
    // so nothing outside the data folder is read.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
    if (descriptor < 0) {
        return std::nullopt;
    }
    BoundedRead read;
    const int error = readRegular(descriptor, limit, read);
    ::close(descriptor);
    if (error != 0) {
        errno = error;
        return std::nullopt;
    }
    return read;
}

bool sameEntry(const std::filesystem::path& first, const std::filesystem::path& second) {
    struct stat firstStatus {};
    struct stat secondStatus {};
    return ::lstat(first.c_str(), &firstStatus) == 0 &&
           ::lstat(second.c_str(), &secondStatus) == 0 &&
           firstStatus.st_dev == secondStatus.st_dev && firstStatus.st_ino == secondStatus.st_ino;
}

bool addName(const std::filesystem::path& existing, const std::filesystem::path& added) {
    // Without AT_SYMLINK_FOLLOW a link is given the new name itself, not the file it points to.
    return ::linkat(AT_FDCWD, existing.c_str(), AT_FDCWD, added.c_str(), 0) == 0;
}

bool renameExclusive(const std::filesystem::path& from, const std::filesystem::path& to) {
    return ::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0;
}

bool ownerMayNotWrite(const std::filesystem::path& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
           (status.st_mode & S_IWUSR) == 0;
}

bool syncToDisk(int descriptor) {
    return ::fsync(descriptor) == 0;
}

bool syncFolder(const std::filesystem::path& folder) {
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) {
        return false;
    }
    const bool synced = ::fsync(descriptor) == 0;
    ::close(descriptor);
    return synced;
}

bool closeDescriptor(int descriptor) {
    return ::close(descriptor) == 0;
}

int writeSyncAndClose(int descriptor, std::string_view bytes) {
    int error = 0;
    if (!writeAll(descriptor, bytes) || !syncToDisk(descriptor)) {
        error = errno;
    }
    if (!closeDescriptor(descriptor) && error == 0) {
        error = errno;
    }
    return error;
}

ExclusiveLock::ExclusiveLock(const std::filesystem::path& path) {
    do {
        descriptor_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    } while (descriptor_ < 0 && errno == EINTR);
    if (descriptor_ < 0) {
        error_ = errno;
        return;
    }
    int locked = 0;
    do {
        locked = ::flock(descriptor_, LOCK_EX);
    } while (locked != 0 && errno == EINTR);
    if (locked != 0 && errno != ENOLCK && errno != EOPNOTSUPP) {
        error_ = errno;
    }
}

ExclusiveLock::~ExclusiveLock() {
    if (descriptor_ >= 0) {
        ::close(descriptor_); // releases the lock
    }
}

void ignoreFileSizeSignal() {
    std::signal(SIGXFSZ, SIG_IGN);
}

std::string reason(int error) {
    return std::strerror(error);
}

} // namespace quintel::files
