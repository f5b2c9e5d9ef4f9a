// SPDX-License-Identifier: GPL-3.0-or-later
#include "zarn/rules/timing.h"

#include "zarn/rules/difficulty.h"

namespace zarn {

bool TimeLimitReached(std::int32_t difficulty, std::int32_t fieldSize, double now,
                      std::int32_t startSeconds) {
    return difficulty == kStredni && fieldSize > 0 && now - startSeconds >= kTimeLimitSeconds;
}

}  // namespace zarn
