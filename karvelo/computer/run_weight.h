// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The weight of a line of n symbols, growing about as n cubed: 0, 1, 6, 21, 52, 105 for n = 0..5.

#include <cstdint>

namespace karvelo {

constexpr std::int32_t RunWeight(std::int32_t n) { return n * ((n - 1) * n + 1); }

}  // namespace karvelo
