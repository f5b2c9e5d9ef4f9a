// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The line walk (the beginner's method): every line of the table is walked from border to border,
// and each empty field is credited by the stretch of the walked contestant's symbols before it and
// after it.

#include "karvelo/match/board.h"

namespace karvelo {

// What a walk carries from field to field.
struct LineWalkCounters {
    int S = 0;           // the pending weight: the index of the weight the next credit uses
    int E = 0;           // consecutive empty fields just passed
    int R = 0;           // run tally since the last blocking field, one less for its first symbol
    int T = 0;           // symbols since the last empty or blocking field
    Field* L = nullptr;  // the last empty field passed since the last blocking field
};

// One step of a walk of contestant p onto field f.
void LineWalkStep(Field& f, int p, LineWalkCounters& c);

// For contestant 1, then 2: the columns, the rows, the diagonals and the anti-diagonals, each a
// walk of its own over the whole table, border ring included.
void EvaluateByLineWalk(Board& board);

}  // namespace karvelo
