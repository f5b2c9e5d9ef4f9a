// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window that does nothing and answers No, for matches played without one (the arena, the
// benchmarks, tests); override what you want to watch.

#include "karvelo/match/match_host.h"

namespace karvelo {

class NullMatchHost : public MatchHost {
public:
    void MatchStarting() override {}
    void MatchStarted() override {}
    void StonePlaced(int, int, int) override {}
    void FieldValuesChanged() override {}
    void FiveMarked(const std::vector<FieldPosition>&) override {}
    void TurnPassed() override {}
    void MatchEnded(int) override {}
    void ScoresChanged() override {}
    void LoadThemeImages() override {}
    void LetPendingEventsRun() override {}
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
    void Warn(const std::string&) override {}
    void OpenMatchSetupPage() override {}
};

}  // namespace karvelo
