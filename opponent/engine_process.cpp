#include "opponent/engine_process.h"

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <system_error>

extern char** environ;

namespace quintel {

namespace {

// How long a program whose input was closed may take to end before it is killed.
constexpr std::chrono::milliseconds kEndingGrace{500};

void closeQuietly(int& descriptor) {
    if (descriptor >= 0) {
        ::close(descriptor);
        descriptor = -1;
    }
}

struct Pipe {
    int readEnd = -1;
    int writeEnd = -1;
};

Pipe makePipe() {
    std::array<int, 2> ends{};
    if (::pipe2(ends.data(), O_CLOEXEC) != 0) {
        throw std::system_error(errno, std::generic_category(), "cannot make a pipe");
    }
    return {ends[0], ends[1]};
}

std::string exitWords(int status) {
    if (WIFEXITED(status)) {
        return "exit status " + std::to_string(WEXITSTATUS(status));
    }
    if (WIFSIGNALED(status)) {
        const int signal = WTERMSIG(status);
        const char* name = ::sigabbrev_np(signal);
        return "killed by signal " + std::to_string(signal) +
               (name != nullptr ? std::string(" (SIG") + name + ")" : std::string());
    }
    return "status " + std::to_string(status);
}

int pollMilliseconds(std::chrono::steady_clock::duration left) {
    const auto ms = std::chrono::ceil<std::chrono::milliseconds>(left).count();
    return static_cast<int>(std::clamp<long long>(ms, 0, 1'000'000));
}

// A write to a pipe nobody reads any more raises SIGPIPE, which would end this program. While
// one of these lives, SIGPIPE is held back in this thread, and one the write raised is taken
// back, so the write simply fails with EPIPE.
class PipeSignalHeld {
public:
    PipeSignalHeld() {
        sigemptyset(&pipeSignal_);
        sigaddset(&pipeSignal_, SIGPIPE);
        sigset_t pending;
        sigpending(&pending);
        pendingBefore_ = sigismember(&pending, SIGPIPE) == 1;
        pthread_sigmask(SIG_BLOCK, &pipeSignal_, &maskBefore_);
    }
    ~PipeSignalHeld() {
        if (!pendingBefore_) {
            const timespec none{};
            while (sigtimedwait(&pipeSignal_, nullptr, &none) < 0 && errno == EINTR) {
            }
        }
        pthread_sigmask(SIG_SETMASK, &maskBefore_, nullptr);
    }
    PipeSignalHeld(const PipeSignalHeld&) = delete;
    PipeSignalHeld& operator=(const PipeSignalHeld&) = delete;

private:
    sigset_t pipeSignal_{};
    sigset_t maskBefore_{};
    bool pendingBefore_ = false;
};

// The attributes of the spawned shell: a process group of its own (so it and whatever it starts
// are killed together), no signal blocked, and the signals this program handles or ignores back
// to their defaults.
class SpawnSetup {
public:
    SpawnSetup(int input, int output) {
        posix_spawn_file_actions_init(&actions_);
        posix_spawn_file_actions_adddup2(&actions_, input, STDIN_FILENO);
        posix_spawn_file_actions_adddup2(&actions_, output, STDOUT_FILENO);
        posix_spawn_file_actions_addclosefrom_np(&actions_, STDERR_FILENO + 1);
        posix_spawnattr_init(&attributes_);
        posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK |
                                                   POSIX_SPAWN_SETSIGDEF);
        posix_spawnattr_setpgroup(&attributes_, 0);
        sigset_t none;
        sigemptyset(&none);
        posix_spawnattr_setsigmask(&attributes_, &none);
        sigset_t defaults;
        sigemptyset(&defaults);
        for (const int signal : {SIGPIPE, SIGINT, SIGTERM, SIGHUP, SIGXFSZ}) {
            sigaddset(&defaults, signal);
        }
        posix_spawnattr_setsigdefault(&attributes_, &defaults);
    }
    ~SpawnSetup() {
        posix_spawn_file_actions_destroy(&actions_);
        posix_spawnattr_destroy(&attributes_);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;

    const posix_spawn_file_actions_t* actions() const { return &actions_; }
    const posix_spawnattr_t* attributes() const { return &attributes_; }

private:
    posix_spawn_file_actions_t actions_{};
    posix_spawnattr_t attributes_{};
};

} // namespace

EngineProcess::EngineProcess(const std::string& command) {
    Pipe toEngine = makePipe();
    Pipe fromEngine;
    try {
        fromEngine = makePipe();
    } catch (...) {
        closeQuietly(toEngine.readEnd);
        closeQuietly(toEngine.writeEnd);
        throw;
    }
    std::string shell = "/bin/sh";
    std::string option = "-c";
    std::string commandLine = command;
    std::array<char*, 4> arguments{shell.data(), option.data(), commandLine.data(), nullptr};
    int error = 0;
    {
        const SpawnSetup setup(toEngine.readEnd, fromEngine.writeEnd);
        error = ::posix_spawn(&pid_, shell.c_str(), setup.actions(), setup.attributes(),
                              arguments.data(), environ);
    }
    closeQuietly(toEngine.readEnd);
    closeQuietly(fromEngine.writeEnd);
    input_ = toEngine.writeEnd;
    output_ = fromEngine.readEnd;
    if (error != 0) {
        pid_ = -1;
        closeQuietly(input_);
        closeQuietly(output_);
        throw std::system_error(error, std::generic_category(), "cannot start /bin/sh");
    }
    // Writes wait in poll, with a limit, rather than in write.
    ::fcntl(input_, F_SETFL, ::fcntl(input_, F_GETFL) | O_NONBLOCK);
}

EngineProcess::~EngineProcess() {
    stop();
}

EngineProcess::WriteStatus EngineProcess::writeLine(std::string_view line,
                                                    std::chrono::milliseconds limit) {
    if (input_ < 0) {
        return WriteStatus::Ended;
    }
    std::string text(line);
    text.push_back('\n');
    const auto deadline = std::chrono::steady_clock::now() + limit;
    const PipeSignalHeld held;
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t count = ::write(input_, text.data() + written, text.size() - written);
        if (count >= 0) {
            written += static_cast<std::size_t>(count);
            continue;
        }
        if (errno == EINTR) {
            continue;
        }
        if (errno != EAGAIN) {
            closeQuietly(input_);
            return WriteStatus::Ended;
        }
        const auto left = deadline - std::chrono::steady_clock::now();
        pollfd room{input_, POLLOUT, 0};
        if (left <= std::chrono::steady_clock::duration::zero() ||
            (::poll(&room, 1, pollMilliseconds(left)) == 0 &&
             std::chrono::steady_clock::now() >= deadline)) {
            return WriteStatus::TimedOut;
        }
    }
    return WriteStatus::Written;
}

std::optional<std::string> EngineProcess::takeLine() {
    const std::size_t end = buffer_.find('\n');
    if (end == std::string::npos && buffer_.size() < kLongestLine &&
        !(outputEnded_ && !buffer_.empty())) {
        return std::nullopt;
    }
    const std::size_t length = std::min({end, buffer_.size(), kLongestLine});
    std::string line = buffer_.substr(0, length);
    buffer_.erase(0, length == end ? length + 1 : length);
    return line;
}

EngineProcess::Read EngineProcess::readLine(std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (true) {
        if (auto line = takeLine()) {
            return {ReadStatus::Line, std::move(*line)};
        }
        if (outputEnded_) {
            return {ReadStatus::Ended, {}};
        }
        const auto left = deadline - std::chrono::steady_clock::now();
        if (left <= std::chrono::steady_clock::duration::zero()) {
            return {ReadStatus::TimedOut, {}};
        }
        pollfd ready{output_, POLLIN, 0};
        const int polled = ::poll(&ready, 1, pollMilliseconds(left));
        if (polled == 0 || (polled < 0 && errno == EINTR)) {
            continue;
        }
        std::array<char, 4096> chunk{};
        const ssize_t count = polled < 0 ? -1 : ::read(output_, chunk.data(), chunk.size());
        if (count > 0) {
            buffer_.append(chunk.data(), static_cast<std::size_t>(count));
        } else if (count == 0 || (errno != EINTR && errno != EAGAIN)) {
            outputEnded_ = true;
        }
    }
}

std::optional<std::string> EngineProcess::ended(std::chrono::milliseconds grace) {
    if (!exit_ && pid_ > 0) {
        const auto deadline = std::chrono::steady_clock::now() + grace;
        siginfo_t info{};
        while (::waitid(P_PID, static_cast<id_t>(pid_), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
               info.si_pid == 0 && std::chrono::steady_clock::now() < deadline) {
            ::usleep(1000);
        }
        if (info.si_pid == pid_) {
            reap();
        }
    }
    return exit_;
}

void EngineProcess::kill() {
    if (pid_ > 0 && !exit_) {
        ::kill(-pid_, SIGKILL);
        reap();
    }
}

// Kills what is left of its process group while the group's leader is not yet reaped, so the
// group's number cannot have passed to another, then reaps it.
void EngineProcess::reap() {
    ::kill(-pid_, SIGKILL);
    int status = 0;
    pid_t reaped = -1;
    while ((reaped = ::waitpid(pid_, &status, 0)) < 0 && errno == EINTR) {
    }
    // Reaped already elsewhere (SIGCHLD ignored): how it ended is not known.
    exit_ = reaped == pid_ ? exitWords(status) : "ended";
}

void EngineProcess::stop() {
    closeQuietly(input_);
    if (pid_ > 0 && !exit_) {
        // A descriptor that becomes readable when the process ends (glibc 2.36's <sys/pidfd.h>
        // declares pidfd_open without C linkage, so the system call is made directly).
        const int exitNotice = static_cast<int>(::syscall(SYS_pidfd_open, pid_, 0));
        if (exitNotice >= 0) {
            pollfd exited{exitNotice, POLLIN, 0};
            while (::poll(&exited, 1, static_cast<int>(kEndingGrace.count())) < 0 &&
                   errno == EINTR) {
            }
            ::close(exitNotice);
        }
        reap();
    }
    closeQuietly(output_);
}

} // namespace quintel
