// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Milliseconds since program start; tests set the time instead of waiting for it.

#include <chrono>
#include <cstdint>

namespace zarn {

class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t MillisecondsSinceStart() const = 0;
};

// Counts from its own construction, which the entry does first.
class SteadyClock final : public Clock {
public:
    std::int64_t MillisecondsSinceStart() const override;

private:
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

}  // namespace zarn
