// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window stand-in for the match engine: records what was asked of it, answers from a script.

#include "karvelo/match/match_host.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace karvelo::test {

class FakeMatchHost final : public MatchHost {
public:
    std::vector<std::string> calls;
    std::deque<bool> answers;  // No when empty
    std::vector<std::string> questions;
    std::vector<std::string> warnings;
    std::vector<const void*> questionStackAddresses;
    std::function<void()> onRepaint;

    void HideAllControls() override { calls.push_back("hide"); }
    void PaintBoardFrame() override { calls.push_back("frame"); }
    void LoadThemeImages() override { calls.push_back("load"); }
    void RepaintMatchScreen() override {
        calls.push_back("repaint");
        if (onRepaint) onRepaint();
    }
    void LetPendingEventsRun() override { calls.push_back("events"); }
    bool AskYesNo(const std::string& caption, const std::string& text) override {
        int marker = 0;
        questionStackAddresses.push_back(&marker);
        calls.push_back("ask");
        questions.push_back(caption + "|" + text);
        if (answers.empty()) return false;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
    void Warn(const std::string& text) override {
        calls.push_back("warn");
        warnings.push_back(text);
    }
    void OpenMatchSetupPage() override { calls.push_back("setup"); }
};

}  // namespace karvelo::test
