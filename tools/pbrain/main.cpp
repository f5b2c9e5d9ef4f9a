// SPDX-License-Identifier: GPL-3.0-or-later
// pbrain-karvelo: one of Karvelo's computer levels as a gomoku engine for tournament managers,
// speaking their text protocol on standard input and output.
//
//   pbrain-karvelo [--level N] [--seed S]
//
// N is 1 (CPU nováček), 2 (CPU začátečník), 3 (CPU pokročilý) or 4 (CPU mistr, the default, as a
// manager starts an engine without arguments). S fixes the generator that chooses among equally
// good fields; without it the clock seeds it, as in the game.

#include "tools/pbrain/brain_game.h"
#include "tools/pbrain/brain_session.h"
#include "tools/pbrain/search_guard.h"

#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>

namespace {

const char* const usage = "usage: pbrain-karvelo [--level 1..4] [--seed S]\n";

bool ParseNumber(std::string_view text, unsigned long long& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

}  // namespace

int main(int argc, char** argv) {
    int level = karvelo::pbrain::maxLevel;
    auto seed = static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch() /
                                           std::chrono::milliseconds(1));
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        unsigned long long value = 0;
        if (option == "--help" || option == "-h") {
            std::fputs(usage, stdout);
            return 0;
        }
        if ((option == "--level" || option == "--seed") && i + 1 < argc && ParseNumber(argv[i + 1], value)) {
            ++i;
            if (option == "--seed") {
                seed = static_cast<std::uint32_t>(value);
                continue;
            }
            if (value >= karvelo::pbrain::minLevel && value <= karvelo::pbrain::maxLevel) {
                level = int(value);
                continue;
            }
        }
        std::fputs(usage, stderr);
        return 2;
    }

    karvelo::SeededRandom random(seed);
    karvelo::pbrain::BrainGame game(level, random);
    karvelo::pbrain::BrainSession session(game, PBRAIN_VERSION, karvelo::pbrain::SteadyClockMs,
                                          karvelo::pbrain::SearchWithin);
    std::ios::sync_with_stdio(false);
    std::string line;
    while (!session.Ended() && std::getline(std::cin, line))
        for (const std::string& answer : session.Handle(line)) std::cout << answer << '\n' << std::flush;
    return 0;
}
