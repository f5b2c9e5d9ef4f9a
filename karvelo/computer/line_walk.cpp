// SPDX-License-Identifier: GPL-3.0-or-later
#include "karvelo/computer/line_walk.h"

#include "karvelo/computer/run_weight.h"

#include <algorithm>

namespace karvelo {

void LineWalkStep(Field& f, int p, LineWalkCounters& c) {
    if (f.state == fsEmpty) {
        c.E += 1;
        if (c.L) c.L->value += RunWeight(c.S);
        f.value += c.T <= c.R ? RunWeight(c.T) : RunWeight(c.S);
        c.L = &f;
        c.S = 0;
        c.T = 0;
    } else if (f.state == p) {
        c.R += 1;
        c.T += 1;
        c.E = 0;
        c.S = c.R;
    } else {  // the other contestant's symbol or the border
        c.E = 0;
        if (c.R >= 0) c.R -= 1;
        c.S = c.R >= 0 ? c.R : 0;
        if (c.L) c.L->value += RunWeight(c.S);
        c.T = 0;
        c.L = nullptr;
        c.R = -1;
        c.S = 0;
    }
    if (c.E >= 3) c.R = 0;
}

namespace {

constexpr int last = boardSpan - 1;

void WalkColumns(Board& board, int p) {
    LineWalkCounters c;
    for (int x = 0; x <= last; ++x)
        for (int y = 0; y <= last; ++y) LineWalkStep(board[x][y], p, c);
}

void WalkRows(Board& board, int p) {
    LineWalkCounters c;
    for (int y = 0; y <= last; ++y)
        for (int x = 0; x <= last; ++x) LineWalkStep(board[x][y], p, c);
}

// Lines of constant y - x, walked with x and y growing.
void WalkDiagonals(Board& board, int p) {
    LineWalkCounters c;
    for (int d = last; d >= -last; --d)
        for (int x = std::max(0, -d); x <= last && x + d <= last; ++x) LineWalkStep(board[x][x + d], p, c);
}

// Lines of constant x + y, walked with x falling and y growing.
void WalkAntiDiagonals(Board& board, int p) {
    LineWalkCounters c;
    for (int s = 2 * last; s >= 0; --s)
        for (int x = std::min(last, s); x >= 0 && s - x <= last; --x) LineWalkStep(board[x][s - x], p, c);
}

}  // namespace

void EvaluateByLineWalk(Board& board) {
    for (int p = 1; p <= 2; ++p) {
        WalkColumns(board, p);
        WalkRows(board, p);
        WalkDiagonals(board, p);
        WalkAntiDiagonals(board, p);
    }
}

}  // namespace karvelo
