// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One engine program run through /bin/sh with its standard input and output on pipes: lines go
// in, answer lines come out with a deadline. The engine gets a process group of its own, so a
// shell wrapper and whatever it starts are stopped together.

#include <sys/types.h>

#include <chrono>
#include <string>
#include <string_view>

namespace match_runner {

using Clock = std::chrono::steady_clock;

class EngineProcess {
public:
    // Starts the command; throws std::runtime_error when no process could be made.
    explicit EngineProcess(const std::string& command);
    ~EngineProcess();
    EngineProcess(const EngineProcess&) = delete;
    EngineProcess& operator=(const EngineProcess&) = delete;

    // The line with its LF; false when the engine no longer reads.
    bool Send(std::string_view line);

    enum class Read { line, timeout, closed };
    // The next line without its line end (CR LF too), waiting until the deadline at most.
    Read ReadLine(std::string& line, Clock::time_point deadline);

    // END, a moment to exit by itself, then the whole process group is killed and reaped.
    void Stop();

private:
    pid_t pid_ = -1;
    int toEngine_ = -1;
    int fromEngine_ = -1;
    std::string buffer_;
};

}  // namespace match_runner
