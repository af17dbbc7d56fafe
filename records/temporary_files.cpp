#include "records/file_io.h"

#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace quintel::files {

namespace {

constexpr std::string_view kSuffix = ".tmp";

// The process's file creation mask. umask(2) can only read it by changing it, which would change
// it for a moment for every thread; the kernel also shows it in /proc/self/status.
mode_t creationMask() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.starts_with("Umask:")) {
            return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
        }
    }
    return 022;
}

// The pid in a name "<stem><pid>-<anything>.tmp", or nothing for any other name.
std::optional<pid_t> makerOf(std::string_view name, std::string_view stem) {
    if (name.size() <= stem.size() + kSuffix.size() || !name.starts_with(stem) ||
        !name.ends_with(kSuffix)) {
        return std::nullopt;
    }
    name.remove_prefix(stem.size());
    name.remove_suffix(kSuffix.size());
    pid_t pid = 0;
    const char* end = name.data() + name.size();
    const auto [stop, error] = std::from_chars(name.data(), end, pid);
    const bool restFollows = end - stop >= 2 && *stop == '-';
    if (error != std::errc() || pid <= 0 || !restFollows) {
        return std::nullopt;
    }
    return pid;
}

// Only "no such process" is proof: EPERM means it runs under another user.
bool hasEnded(pid_t pid) {
    return ::kill(pid, 0) == -1 && errno == ESRCH;
}

} // namespace

TemporaryFile createTemporary(const std::filesystem::path& folder, std::string_view stem) {
    const std::string name = std::string(stem) + std::to_string(::getpid()) + "-XXXXXX";
    std::string pattern = (folder / (name + std::string(kSuffix))).string();
    const int descriptor = ::mkostemps(pattern.data(), static_cast<int>(kSuffix.size()), O_CLOEXEC);
    if (descriptor < 0) {
        return {};
    }
    // mkostemps makes the file private; what it becomes is a file of the player's like any other.
    // A file system without modes refuses this, and the file is just as good without it.
    static_cast<void>(::fchmod(descriptor, 0644 & ~creationMask()));
    return {descriptor, std::filesystem::path(pattern)};
}

void removeStaleTemporaries(const std::filesystem::path& folder, std::string_view stem) {
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error);
         !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        const std::optional<pid_t> maker = makerOf(entry->path().filename().string(), stem);
        std::error_code ignored;
        if (maker && hasEnded(*maker) &&
            entry->symlink_status(ignored).type() == std::filesystem::file_type::regular) {
            std::filesystem::remove(entry->path(), ignored);
        }
    }
}

} // namespace quintel::files
