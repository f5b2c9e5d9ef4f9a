// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window stand-in for the match engine: records what it was told and asked, answers from a script.

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
    std::vector<std::vector<FieldPosition>> fives;
    // Runs whenever a new position is shown: a match's empty board, and each move once the turn passed.
    std::function<void()> onRepaint;

    void MatchStarting() override { calls.push_back("starting"); }
    void MatchStarted() override {
        calls.push_back("started");
        if (onRepaint) onRepaint();
    }
    void StonePlaced(int column, int row, int contestant) override {
        calls.push_back("stone " + std::to_string(column) + "," + std::to_string(row) + " " +
                        std::to_string(contestant));
    }
    void FieldValuesChanged() override { calls.push_back("values"); }
    void FiveMarked(const std::vector<FieldPosition>& fields) override {
        calls.push_back("five");
        fives.push_back(fields);
    }
    void TurnPassed() override {
        calls.push_back("turn");
        if (onRepaint) onRepaint();
    }
    void MatchEnded(int winner) override { calls.push_back("ended " + std::to_string(winner)); }
    void ScoresChanged() override { calls.push_back("scores"); }
    void LoadThemeImages() override { calls.push_back("load"); }
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
