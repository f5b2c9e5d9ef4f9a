// SPDX-License-Identifier: GPL-3.0-or-later
#include "zarn/rules/difficulty.h"

#include <stdexcept>

namespace zarn {

DifficultyLevel DifficultyTable(std::int32_t difficulty) {
    switch (difficulty) {
    case kLehka:
        return {9, 12};
    case kStredni:
        return {14, 36};
    case kTezka:
        return {19, 84};
    }
    throw std::out_of_range("unknown difficulty");
}

}  // namespace zarn
