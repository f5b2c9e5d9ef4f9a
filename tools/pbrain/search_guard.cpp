// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/pbrain/search_guard.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>

namespace karvelo::pbrain {

namespace {

using Clock = std::chrono::steady_clock;

bool WriteAll(int fd, const void* data, std::size_t size) {
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = write(fd, p, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        p += n;
        size -= std::size_t(n);
    }
    return true;
}

}  // namespace

std::optional<OwnSearch> SearchWithin(const std::function<OwnSearch()>& search, double ms) {
    const Clock::time_point deadline = Clock::now() + std::chrono::microseconds(std::int64_t(ms * 1000));
    int fds[2];
    if (pipe(fds) != 0) return std::nullopt;
    const pid_t child = fork();
    if (child < 0) {
        close(fds[0]);
        close(fds[1]);
        return std::nullopt;
    }
    if (child == 0) {
        // What the search spent as it lies in memory (the parent is the same program), then the
        // fields as pairs of ints; _exit, so that nothing the parent buffered is written twice.
        close(fds[0]);
        const OwnSearch found = search();
        std::vector<int> out;
        for (const BoardPoint& p : found.fields) out.insert(out.end(), {p.x, p.y});
        const bool written = WriteAll(fds[1], &found.effort, sizeof found.effort) &&
                             WriteAll(fds[1], out.data(), out.size() * sizeof(int));
        _exit(written ? 0 : 1);
    }
    close(fds[1]);
    std::vector<char> bytes;
    bool complete = false;
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) break;
        pollfd p{fds[0], POLLIN, 0};
        const int ready = poll(&p, 1, int(left));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) break;
        char chunk[4096];
        const ssize_t n = read(fds[0], chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            complete = n == 0;  // end of the pipe: the child wrote all and exited
            break;
        }
        bytes.insert(bytes.end(), chunk, chunk + n);
    }
    close(fds[0]);
    if (!complete) kill(child, SIGKILL);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    constexpr std::size_t effortSize = sizeof(MasterSearchEffort);
    if (!complete || !WIFEXITED(status) || WEXITSTATUS(status) != 0 || bytes.size() < effortSize ||
        (bytes.size() - effortSize) % (2 * sizeof(int)) != 0)
        return std::nullopt;
    OwnSearch found;
    std::copy_n(bytes.data(), effortSize, reinterpret_cast<char*>(&found.effort));
    found.fields.resize((bytes.size() - effortSize) / (2 * sizeof(int)));
    for (std::size_t i = 0; i < found.fields.size(); ++i) {
        int xy[2];
        std::copy_n(bytes.data() + effortSize + i * sizeof xy, sizeof xy, reinterpret_cast<char*>(xy));
        found.fields[i] = {xy[0], xy[1]};
    }
    return found;
}

}  // namespace karvelo::pbrain
