// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The three evaluation methods written as plainly as possible, the yardstick for the program's
// own: flat arrays of 22 x 22 ints indexed x * 22 + y, one function per method, no classes.

namespace reference {

constexpr int span = 22;

// Each resets value (0 on the board, -1000 on the border ring) and evaluates from state with
// contestant onMove on move. The run-credit methods return 1 when they stopped at a five.
int RunCredits(const int* state, int* value, int onMove);
int RunCreditsWithGaps(const int* state, int* value, int onMove);
void LineWalk(const int* state, int* value);

}  // namespace reference
