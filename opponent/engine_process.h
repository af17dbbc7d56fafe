#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace quintel {

// An outside program run by the shell (`/bin/sh -c COMMAND`) in a process group of its own, its
// standard input and output pipes to this process and its standard error this process's own. It
// inherits no other descriptor. Gone with this object: its input closed, a moment to end, then
// its whole group killed and the process reaped.
class EngineProcess {
public:
    // Throws std::system_error when the process cannot be started (a command the shell cannot
    // run starts, and ends with status 127).
    explicit EngineProcess(const std::string& command);
    ~EngineProcess();
    EngineProcess(const EngineProcess&) = delete;
    EngineProcess& operator=(const EngineProcess&) = delete;

    enum class WriteStatus { Written, TimedOut, Ended };
    // Writes `line` and a newline, waiting at most `limit` for room in the pipe: Ended when the
    // program no longer reads its input. Never raises SIGPIPE.
    WriteStatus writeLine(std::string_view line, std::chrono::milliseconds limit);

    enum class ReadStatus { Line, TimedOut, Ended };
    struct Read {
        ReadStatus status = ReadStatus::Ended;
        std::string line; // without its newline
    };
    // The next line of its output, waiting at most `limit` for it. A line longer than
    // kLongestLine is cut there (the rest comes as further lines).
    Read readLine(std::chrono::milliseconds limit);
    static constexpr std::size_t kLongestLine = 4096;

    // How the program ended, once it has, in a few words ("exit status 3", "killed by signal
    // 9 (SIGKILL)"), waiting up to `grace` for it to end; nothing while it runs.
    std::optional<std::string> ended(std::chrono::milliseconds grace = {});

    // Ends the program and its process group at once.
    void kill();

    pid_t pid() const { return pid_; }

private:
    // The first line complete in the buffer, taken out of it.
    std::optional<std::string> takeLine();
    void reap();
    void stop();

    pid_t pid_ = -1;
    int input_ = -1;  // the program's standard input, written here
    int output_ = -1; // its standard output, read here
    bool outputEnded_ = false;
    std::string buffer_;
    std::optional<std::string> exit_;
};

} // namespace quintel
