// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The results of a match from the first engine's side, and the times both engines took.

#include <vector>

namespace match_runner {

struct Interval {
    double low = 0;
    double high = 0;
};

struct Tally {
    int wins = 0;
    int losses = 0;
    int draws = 0;

    int Games() const { return wins + losses + draws; }
    // Win 1, draw 1/2, loss 0, averaged; 0 without games.
    double Score() const;
    // The 95 % interval of the score: normal approximation with the games' own variance (so draws
    // narrow it), clipped to 0..1.
    Interval Interval95() const;
};

struct TimeSummary {
    int moves = 0;
    double meanMs = 0;
    double medianMs = 0;
    double maxMs = 0;
};

TimeSummary Summarise(std::vector<double> ms);

}  // namespace match_runner
