// SPDX-License-Identifier: GPL-3.0-or-later
// pbrain-karvelo's protocol session as a tournament manager (or anyone) may feed it: whatever the
// lines, no crash, no hang, and every answer a single non-empty line, as the manager reads them.

#include "fuzz_check.h"
#include "tools/pbrain/brain_game.h"
#include "tools/pbrain/brain_session.h"

#include <string>
#include <string_view>

using namespace karvelo;
using namespace karvelo::pbrain;

namespace {

// Enough lines for whole BOARD blocks and games; CPU mistr's searches are the slow part.
constexpr int maxLines = 400;
constexpr int maxMasterLines = 60;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    if (size == 0) return 0;
    // The first byte chooses the level, as --level does.
    const int level = minLevel + data[0] % (maxLevel - minLevel + 1);
    std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
    SeededRandom random(1);
    BrainGame game(level, random);
    // Every search seems to take longer than any limit a line can set: under any time limit CPU
    // mistr searches once, at the game's budget or less, and the run stays short and repeatable.
    // (A step of hours let a turn of days plan further searches several times the budget.)
    double now = 0;
    BrainSession session(game, "fuzz", [&now] { return now += 1e30; });
    const int lines = level == maxLevel ? maxMasterLines : maxLines;
    for (int n = 0; n < lines && !input.empty() && !session.Ended(); ++n) {
        // main() splits at LF, so a line never holds one.
        const std::size_t end = input.find('\n');
        const std::string_view line = input.substr(0, end);
        input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
        const std::vector<std::string> answers = session.Handle(line);
        FUZZ_CHECK(answers.size() <= 2);  // ERROR for a BOARD left open, then the command's own
        for (const std::string& answer : answers) {
            FUZZ_CHECK(!answer.empty());
            for (const char c : answer) FUZZ_CHECK(c != '\n' && c != '\r' && c != '\0');
        }
    }
    return 0;
}
