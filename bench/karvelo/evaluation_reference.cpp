// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluation_reference.h"

namespace reference {

namespace {

const int steps[4] = {span + 1, span, 1, span - 1};  // (1, 1), (1, 0), (0, 1), (1, -1)

int Weight(int n) { return n * ((n - 1) * n + 1); }

void Reset(int* value) {
    for (int x = 0; x < span; ++x)
        for (int y = 0; y < span; ++y)
            value[x * span + y] = (x == 0 || y == 0 || x == span - 1 || y == span - 1) ? -1000 : 0;
}

template <bool withGaps> int Credits(const int* state, int* value, int onMove) {
    Reset(value);
    for (int x = 1; x <= 20; ++x)
        for (int y = 1; y <= 20; ++y) {
            const int i = x * span + y;
            for (int p = 1; p <= 2; ++p) {
                if (state[i] != p) continue;
                for (int s : steps) {
                    if (state[i - s] == p) continue;
                    int n = 1;
                    while (state[i + n * s] == p) ++n;
                    const int b = i - s, f = i + n * s, other = 3 - p;
                    if (withGaps && state[f] == 0) {
                        int k = 0;
                        while (state[f + (k + 1) * s] == p) ++k;
                        if (state[f + (k + 1) * s] == other) --k;
                        if (k > 0) value[f] += Weight(n + k);
                    }
                    if (n > 4) return 1;
                    int bonus = n > 3 ? (p == onMove ? 80 : 60) : 0;
                    if (state[f] == 0 && state[b] == 0) {
                        if (n == 3) bonus = p == onMove ? 40 : 20;
                        value[f] += n * n + bonus;
                        value[b] += n * n + bonus;
                    } else if (state[f] == other && state[b] == 0) {
                        value[b] += (n - 1) * (n - 1) + bonus;
                    } else if (state[f] == 0 && state[b] == other) {
                        value[f] += (n - 1) * (n - 1) + bonus;
                    }
                }
            }
        }
    return 0;
}

struct Walk {
    int S = 0, E = 0, R = 0, T = 0, L = -1;
};

void Step(const int* state, int* value, int i, int p, Walk& w) {
    if (state[i] == 0) {
        ++w.E;
        if (w.L >= 0) value[w.L] += Weight(w.S);
        value[i] += w.T <= w.R ? Weight(w.T) : Weight(w.S);
        w.L = i;
        w.S = 0;
        w.T = 0;
    } else if (state[i] == p) {
        ++w.R;
        ++w.T;
        w.E = 0;
        w.S = w.R;
    } else {
        w.E = 0;
        if (w.R >= 0) --w.R;
        w.S = w.R >= 0 ? w.R : 0;
        if (w.L >= 0) value[w.L] += Weight(w.S);
        w.T = 0;
        w.L = -1;
        w.R = -1;
        w.S = 0;
    }
    if (w.E >= 3) w.R = 0;
}

}  // namespace

int RunCredits(const int* state, int* value, int onMove) { return Credits<false>(state, value, onMove); }
int RunCreditsWithGaps(const int* state, int* value, int onMove) {
    return Credits<true>(state, value, onMove);
}

void LineWalk(const int* state, int* value) {
    Reset(value);
    const int last = span - 1;
    for (int p = 1; p <= 2; ++p) {
        Walk w;
        for (int x = 0; x <= last; ++x)
            for (int y = 0; y <= last; ++y) Step(state, value, x * span + y, p, w);
        w = Walk();
        for (int y = 0; y <= last; ++y)
            for (int x = 0; x <= last; ++x) Step(state, value, x * span + y, p, w);
        w = Walk();
        for (int d = last; d >= -last; --d)
            for (int x = 0; x <= last; ++x)
                if (x + d >= 0 && x + d <= last) Step(state, value, x * span + x + d, p, w);
        w = Walk();
        for (int s = 2 * last; s >= 0; --s)
            for (int x = last; x >= 0; --x)
                if (s - x >= 0 && s - x <= last) Step(state, value, x * span + s - x, p, w);
    }
}

}  // namespace reference
