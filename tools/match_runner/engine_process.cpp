// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/match_runner/engine_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>
#include <thread>

namespace match_runner {

namespace {

void CloseFd(int& fd) {
    if (fd >= 0) close(fd);
    fd = -1;
}

}  // namespace

EngineProcess::EngineProcess(const std::string& command) {
    // An engine that quits must not take the program that runs it along: writing to it fails
    // instead, and its missing answer is what counts.
    signal(SIGPIPE, SIG_IGN);
    int in[2], out[2];
    if (pipe2(in, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
    if (pipe2(out, O_CLOEXEC) != 0) {
        close(in[0]);
        close(in[1]);
        throw std::runtime_error("pipe failed");
    }
    pid_ = fork();
    if (pid_ < 0) {
        for (int fd : {in[0], in[1], out[0], out[1]}) close(fd);
        throw std::runtime_error("fork failed");
    }
    if (pid_ == 0) {
        setpgid(0, 0);
        dup2(in[0], STDIN_FILENO);
        dup2(out[1], STDOUT_FILENO);
        // An engine's chatter on standard error would mix with the table.
        const int devNull = open("/dev/null", O_WRONLY);
        if (devNull >= 0) dup2(devNull, STDERR_FILENO);
        signal(SIGPIPE, SIG_DFL);
        execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    setpgid(pid_, pid_);  // also here, so that Stop() finds the group whoever runs first
    close(in[0]);
    close(out[1]);
    toEngine_ = in[1];
    fromEngine_ = out[0];
}

EngineProcess::~EngineProcess() { Stop(); }

bool EngineProcess::Send(std::string_view line) {
    if (toEngine_ < 0) return false;
    std::string text(line);
    text += '\n';
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = write(toEngine_, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;  // EPIPE: SIGPIPE is ignored by the runner
        done += std::size_t(n);
    }
    return true;
}

EngineProcess::Read EngineProcess::ReadLine(std::string& line, Clock::time_point deadline) {
    for (;;) {
        if (const std::size_t end = buffer_.find('\n'); end != std::string::npos) {
            line = buffer_.substr(0, end);
            buffer_.erase(0, end + 1);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            return Read::line;
        }
        if (fromEngine_ < 0) return Read::closed;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() < 0) return Read::timeout;
        pollfd p{fromEngine_, POLLIN, 0};
        // Whole milliseconds, rounded up, so that the deadline itself is reached.
        const int ready = poll(&p, 1, int(left.count()) + 1);
        if (ready < 0 && errno == EINTR) continue;
        if (ready == 0) {
            if (Clock::now() >= deadline) return Read::timeout;
            continue;
        }
        char chunk[4096];
        const ssize_t n = read(fromEngine_, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            CloseFd(fromEngine_);
            continue;  // a last line without its LF is not an answer
        }
        buffer_.append(chunk, std::size_t(n));
    }
}

void EngineProcess::Stop() {
    if (pid_ <= 0) return;
    Send("END");
    CloseFd(toEngine_);
    CloseFd(fromEngine_);
    int status = 0;
    // A well-behaved engine exits on END at once; a busy or stuck one is not waited for long.
    for (int i = 0; i < 20; ++i) {
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            kill(-pid_, SIGKILL);  // anything the command left behind in its group
            pid_ = -1;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    kill(-pid_, SIGKILL);
    waitpid(pid_, &status, 0);
    pid_ = -1;
}

}  // namespace match_runner
