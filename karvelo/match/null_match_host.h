// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window that does nothing and answers No, for matches played without one (the arena, the
// benchmarks, tests); override what you want to watch.

#include "karvelo/match/match_host.h"

namespace karvelo {

class NullMatchHost : public MatchHost {
public:
    void HideAllControls() override {}
    void PaintBoardFrame() override {}
    void LoadThemeImages() override {}
    void RepaintMatchScreen() override {}
    void LetPendingEventsRun() override {}
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
    void Warn(const std::string&) override {}
    void OpenMatchSetupPage() override {}
};

}  // namespace karvelo
