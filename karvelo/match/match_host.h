// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the match engine asks of the window. Tests implement it with a scripted fake.

#include <string>

namespace karvelo {

class MatchHost {
public:
    virtual ~MatchHost() = default;

    virtual void HideAllControls() = 0;
    virtual void PaintBoardFrame() = 0;
    virtual void LoadThemeImages() = 0;  // may throw; the error ends the handler
    virtual void RepaintMatchScreen() = 0;
    // A symbol was just placed on field (column, row), before the evaluation and the five test.
    virtual void StonePlaced(int /*column*/, int /*row*/) {}
    // Lets repaints and timers run between the moves of two computers; never user input.
    virtual void LetPendingEventsRun() = 0;
    virtual bool AskYesNo(const std::string& caption, const std::string& text) = 0;
    virtual void Warn(const std::string& text) = 0;  // caption "Pozor!"
    virtual void OpenMatchSetupPage() = 0;           // Hrat1Click
};

}  // namespace karvelo
