#include "opponent/engine_process.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>

namespace quintel {
namespace {

using namespace std::chrono_literals;
using Status = EngineProcess::ReadStatus;

std::size_t openDescriptors() {
    return static_cast<std::size_t>(
        std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {}));
}

// The processes of a group that still run. One that was killed but whose parent has not reaped it
// yet (the system's first process, for what the shell started) is a zombie, and not counted.
int liveInGroup(pid_t group) {
    int live = 0;
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        std::ifstream stat(entry.path() / "stat");
        std::string line;
        if (!std::getline(stat, line) || line.rfind(')') == std::string::npos) {
            continue;
        }
        // After the command's name: the state, the parent and the process group.
        std::istringstream fields(line.substr(line.rfind(')') + 1));
        char state = 0;
        pid_t parent = 0;
        pid_t processGroup = 0;
        fields >> state >> parent >> processGroup;
        live += processGroup == group && state != 'Z' ? 1 : 0;
    }
    return live;
}

TEST(EngineProcess, TalksInLinesAndWaitsNoLongerThanItsLimit) {
    EngineProcess cat("cat");
    EXPECT_EQ(cat.writeLine("quintel 1", 1s), EngineProcess::WriteStatus::Written);
    EXPECT_EQ(cat.writeLine(std::string(5000, 'x'), 1s), EngineProcess::WriteStatus::Written);
    const EngineProcess::Read echoed = cat.readLine(1s);
    EXPECT_EQ(echoed.status, Status::Line);
    EXPECT_EQ(echoed.line, "quintel 1");
    // A line past the longest is cut, its rest read as another line.
    EXPECT_EQ(cat.readLine(1s).line.size(), EngineProcess::kLongestLine);
    EXPECT_EQ(cat.readLine(1s).line.size(), 5000 - EngineProcess::kLongestLine);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(cat.readLine(50ms).status, Status::TimedOut);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);
    EXPECT_FALSE(cat.ended());
}

// A program that ends is told as ended, with how; writing to it raises no SIGPIPE (which would
// end this test program).
TEST(EngineProcess, AnEndedProgramIsToldWithItsStatus) {
    EngineProcess failing("echo last words; exit 3");
    EXPECT_EQ(failing.readLine(1s).line, "last words");
    EXPECT_EQ(failing.readLine(1s).status, Status::Ended);
    EXPECT_EQ(failing.ended(1s), "exit status 3");
    EXPECT_EQ(failing.writeLine("quit", 1s), EngineProcess::WriteStatus::Ended);

    EngineProcess missing("exec /nonexistent/engine 2>/dev/null");
    EXPECT_EQ(missing.readLine(1s).status, Status::Ended);
    EXPECT_EQ(missing.ended(1s), "exit status 127");

    EngineProcess killed("kill -9 $$");
    EXPECT_EQ(killed.readLine(1s).status, Status::Ended);
    EXPECT_EQ(killed.ended(1s), "killed by signal 9 (SIGKILL)");
}

// Whatever it started dies with it, it is reaped, and it leaves no descriptor open here or
// inherits one from here.
TEST(EngineProcess, GoesWithoutATraceEvenWhenItWillNotEnd) {
    const std::size_t before = openDescriptors();
    pid_t group = -1;
    {
        // It ignores the end of its input and stays in a shell pipeline; its descriptors count
        // those beyond the three standard ones.
        EngineProcess stubborn("trap '' TERM HUP; ls /proc/self/fd | wc -l; sleep 30 | cat");
        group = stubborn.pid();
        EXPECT_EQ(stubborn.readLine(1s).line, "4"); // 0 to 2, and the one ls reads
        EXPECT_GT(openDescriptors(), before);
        // The shell, sleep and cat, once the shell has started the two.
        const auto started = std::chrono::steady_clock::now() + 2s;
        while (liveInGroup(group) < 3 && std::chrono::steady_clock::now() < started) {
            std::this_thread::sleep_for(1ms);
        }
        EXPECT_EQ(liveInGroup(group), 3);
    }
    EXPECT_EQ(openDescriptors(), before);
    EXPECT_EQ(::waitpid(group, nullptr, WNOHANG), -1) << "reaped";
    EXPECT_EQ(errno, ECHILD);
    const auto deadline = std::chrono::steady_clock::now() + 2s;
    while (liveInGroup(group) > 0 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(1ms);
    }
    EXPECT_EQ(liveInGroup(group), 0) << "what the shell started was killed with it";
}

} // namespace
} // namespace quintel
