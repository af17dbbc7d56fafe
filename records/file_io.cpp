#include "records/file_io.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace quintel::files {

int createExclusive(const std::filesystem::path& path) {
    int descriptor = -1;
    do {
        descriptor =
            ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0644);
    } while (descriptor < 0 && errno == EINTR);
    return descriptor;
}

TemporaryFile createTemporary(const std::filesystem::path& folder, std::string_view stem) {
    const std::string prefix = std::string(stem) + std::to_string(::getpid()) + "-";
    for (int k = 0; k < 1000; ++k) {
        std::filesystem::path path = folder / (prefix + std::to_string(k) + ".tmp");
        const int descriptor = createExclusive(path);
        if (descriptor >= 0) {
            return {descriptor, std::move(path)};
        }
        if (errno != EEXIST) {
            return {};
        }
    }
    return {};
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

bool appendRest(int descriptor, std::string& content) {
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(descriptor, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return false;
        }
        if (got == 0) {
            return true;
        }
        content.append(buffer, static_cast<std::size_t>(got));
    }
}

// Reads a regular file into `content`; 0, or why it cannot be read (not a regular file, an error).
int unreadableReason(int descriptor, std::string& content) {
    struct stat status {};
    if (::fstat(descriptor, &status) != 0) {
        return errno;
    }
    if (!S_ISREG(status.st_mode)) {
        return S_ISDIR(status.st_mode) ? EISDIR : EINVAL;
    }
    return appendRest(descriptor, content) ? 0 : errno;
}

} // namespace

std::optional<std::string> readAll(const std::filesystem::path& path) {
    // Non-blocking, so that a pipe under the profile's name cannot hang the sign-in; a link is not
    // followed, so nothing outside the data folder is read.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
    if (descriptor < 0) {
        return std::nullopt;
    }
    std::string content;
    const int error = unreadableReason(descriptor, content);
    ::close(descriptor);
    if (error != 0) {
        errno = error;
        return std::nullopt;
    }
    return content;
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

void ignoreFileSizeSignal() {
    std::signal(SIGXFSZ, SIG_IGN);
}

std::string reason(int error) {
    return std::strerror(error);
}

} // namespace quintel::files
