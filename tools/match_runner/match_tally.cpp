// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/match_runner/match_tally.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace match_runner {

double Tally::Score() const { return Games() == 0 ? 0 : (wins + 0.5 * draws) / Games(); }

Interval Tally::Interval95() const {
    const int n = Games();
    if (n == 0) return {0, 1};
    const double mean = Score();
    const double variance =
        (wins * (1 - mean) * (1 - mean) + draws * (0.5 - mean) * (0.5 - mean) + losses * mean * mean) / n;
    const double half = 1.96 * std::sqrt(variance / n);
    return {std::max(0.0, mean - half), std::min(1.0, mean + half)};
}

TimeSummary Summarise(std::vector<double> ms) {
    TimeSummary s;
    s.moves = int(ms.size());
    if (ms.empty()) return s;
    std::sort(ms.begin(), ms.end());
    s.meanMs = std::accumulate(ms.begin(), ms.end(), 0.0) / double(ms.size());
    const std::size_t mid = ms.size() / 2;
    s.medianMs = ms.size() % 2 ? ms[mid] : (ms[mid - 1] + ms[mid]) / 2;
    s.maxMs = ms.back();
    return s;
}

}  // namespace match_runner
