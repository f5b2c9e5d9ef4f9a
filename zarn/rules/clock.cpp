// SPDX-License-Identifier: GPL-3.0-or-later
#include "zarn/rules/clock.h"

namespace zarn {

std::int64_t SteadyClock::MillisecondsSinceStart() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start_)
        .count();
}

}  // namespace zarn
