#pragma once

// Ways to make a file or a folder refuse bytes for real: an immutable flag, a full disk (a small
// tmpfs in a mount namespace of a child's own), the file-size limit (in a child). Children report
// back what they saw as a list of texts.

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <linux/fs.h>
#include <optional>
#include <sched.h>
#include <string>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace quintel::testing {

// Sets or clears a file's immutable flag; false when this file system or process cannot.
inline bool setImmutable(const std::filesystem::path& path, bool immutable) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        return false;
    }
    int flags = 0;
    bool done = ::ioctl(descriptor, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = immutable ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = ::ioctl(descriptor, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(descriptor);
    return done;
}

// A file that takes no bytes while this lives, even from a descriptor opened before.
class ImmutableFile {
public:
    explicit ImmutableFile(std::filesystem::path path)
        : path_(std::move(path)), set_(setImmutable(path_, true)) {}
    ImmutableFile(const ImmutableFile&) = delete;
    ImmutableFile& operator=(const ImmutableFile&) = delete;
    ~ImmutableFile() { release(); }

    bool set() const { return set_; }
    void release() {
        if (set_) {
            setImmutable(path_, false);
            set_ = false;
        }
    }

private:
    std::filesystem::path path_;
    bool set_;
};

inline constexpr const char* kNoImmutableFlag =
    "the immutable flag cannot be set here (needs CAP_LINUX_IMMUTABLE and a file system that "
    "has it); the write failures are still covered by the file-size limit";

using Texts = std::vector<std::string>;

struct ChildRun {
    bool finished = false; // ran to the end and reported
    std::string how;       // how it ended otherwise
    Texts texts;
};

// Runs `body` in a forked child; the texts it returns come back through a pipe.
inline ChildRun inChild(const std::function<Texts()>& body) {
    int ends[2];
    if (::pipe(ends) != 0) {
        return {false, "no pipe", {}};
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(ends[0]);
        std::string packed;
        for (const std::string& text : body()) {
            packed += std::to_string(text.size()) + ":" + text;
        }
        for (std::size_t done = 0; done < packed.size();) {
            const ssize_t wrote = ::write(ends[1], packed.data() + done, packed.size() - done);
            if (wrote <= 0) {
                ::_exit(3);
            }
            done += static_cast<std::size_t>(wrote);
        }
        ::_exit(0);
    }
    ::close(ends[1]);
    std::string packed;
    char buffer[4096];
    for (ssize_t got; (got = ::read(ends[0], buffer, sizeof buffer)) != 0;) {
        if (got < 0 && errno != EINTR) {
            break;
        }
        packed.append(buffer, static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
    }
    ::close(ends[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    ChildRun run;
    if (WIFSIGNALED(status)) {
        run.how = std::string("killed by ") + ::strsignal(WTERMSIG(status));
        return run;
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        run.how = "exited with " + std::to_string(WEXITSTATUS(status));
        return run;
    }
    for (std::size_t at = 0; at < packed.size();) {
        const std::size_t colon = packed.find(':', at);
        const std::size_t size = std::stoul(packed.substr(at, colon - at));
        run.texts.push_back(packed.substr(colon + 1, size));
        at = colon + 1 + size;
    }
    run.finished = true;
    return run;
}

// Sets this process's file-size limit (the soft one; the hard one stays, so it can be raised).
inline void limitFileSize(rlim_t bytes) {
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = std::min(bytes, limit.rlim_max);
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

// In a child: mounts a tmpfs of `options` on `folder`, seen by this process alone. Nothing when
// done, else why it could not be.
inline std::optional<std::string> mountSmallDisk(const std::filesystem::path& folder,
                                                 const std::string& options) {
    if (::unshare(CLONE_NEWNS) != 0) {
        return std::string("unshare(CLONE_NEWNS): ") + std::strerror(errno);
    }
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        return std::string("making the mounts private: ") + std::strerror(errno);
    }
    if (::mount("quintel-test", folder.c_str(), "tmpfs", 0, options.c_str()) != 0) {
        return std::string("mount -t tmpfs: ") + std::strerror(errno);
    }
    return std::nullopt;
}

// Why small disks cannot be mounted here, or nothing when they can.
inline std::optional<std::string> smallDiskProblem(const std::filesystem::path& folder) {
    const ChildRun probe = inChild([&] {
        const auto problem = mountSmallDisk(folder, "size=64k");
        return problem ? Texts{*problem} : Texts{};
    });
    if (!probe.finished) {
        return probe.how;
    }
    return probe.texts.empty() ? std::nullopt : std::optional<std::string>(probe.texts[0]);
}

// Writes a file that takes every byte left on the disk.
inline void fillDisk(const std::filesystem::path& filler) {
    const int descriptor = ::open(filler.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const std::string block(4096, 'f');
    while (::write(descriptor, block.data(), block.size()) > 0) {
    }
    while (::write(descriptor, block.data(), 1) > 0) {
    }
    ::close(descriptor);
}

} // namespace quintel::testing
