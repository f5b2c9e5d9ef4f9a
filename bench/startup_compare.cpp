// SPDX-License-Identifier: GPL-3.0-or-later
// Starts two programs alternately and compares their wall time from fork to exit and their peak
// resident memory.
//
//   startup_compare <runs> <nameA> <cmdA> <nameB> <cmdB>
//
// Each command is split at blanks and executed directly (no shell), inheriting the environment.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Run {
    double milliseconds;
    long peakKilobytes;
};

struct Program {
    std::string name;
    std::vector<std::string> argv;
    std::vector<Run> runs;
};

std::vector<std::string> SplitAtBlanks(const std::string& command) {
    std::istringstream words(command);
    std::vector<std::string> parts;
    for (std::string word; words >> word;) parts.push_back(word);
    return parts;
}

bool RunOnce(Program& program) {
    std::vector<char*> argv;
    for (auto& arg : program.argv) argv.push_back(arg.data());
    argv.push_back(nullptr);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("fork");
        return false;
    }
    if (child == 0) {
        execvp(argv[0], argv.data());
        std::perror(argv[0]);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) < 0) {
        std::perror("wait4");
        return false;
    }
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not exit cleanly (status %d)\n", program.name.c_str(), status);
        return false;
    }
    program.runs.push_back({std::chrono::duration<double, std::milli>(end - start).count(), usage.ru_maxrss});
    return true;
}

template <typename T> T Median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    const size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

struct Summary {
    double medianMs;
    double minMs;
    long medianPeakKb;
};

Summary Summarise(const Program& program) {
    std::vector<double> times;
    std::vector<long> peaks;
    for (const Run& run : program.runs) {
        times.push_back(run.milliseconds);
        peaks.push_back(run.peakKilobytes);
    }
    return {Median(times), *std::min_element(times.begin(), times.end()), Median(peaks)};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: %s <runs> <nameA> <cmdA> <nameB> <cmdB>\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    if (runs < 1) {
        std::fprintf(stderr, "runs must be at least 1\n");
        return 2;
    }
    Program a{argv[2], SplitAtBlanks(argv[3]), {}};
    Program b{argv[4], SplitAtBlanks(argv[5]), {}};
    if (a.argv.empty() || b.argv.empty()) {
        std::fprintf(stderr, "empty command\n");
        return 2;
    }

    // Alternating keeps slow drifts of the machine (caches, other load) from favouring one side.
    for (int i = 0; i < runs; ++i)
        if (!RunOnce(a) || !RunOnce(b)) return 1;

    const Summary sa = Summarise(a);
    const Summary sb = Summarise(b);
    std::printf("%-24s %12s %12s %16s\n", "program", "median ms", "min ms", "median peak KiB");
    for (const auto& [program, summary] : {std::pair{&a, sa}, std::pair{&b, sb}})
        std::printf("%-24s %12.1f %12.1f %16ld\n", program->name.c_str(), summary.medianMs, summary.minMs,
                    summary.medianPeakKb);
    std::printf("ratio %s / %s: time %.3f (median), %.3f (min); peak memory %.3f\n", b.name.c_str(),
                a.name.c_str(), sb.medianMs / sa.medianMs, sb.minMs / sa.minMs,
                static_cast<double>(sb.medianPeakKb) / static_cast<double>(sa.medianPeakKb));
    return 0;
}
