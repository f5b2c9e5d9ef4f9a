// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the uncovering rules ask of the window. The window implements it; tests script it.

#include <cstdint>
#include <string>

namespace zarn {

class FieldView {
public:
    virtual ~FieldView() = default;

    // Loads the tile file, hides the field's button and paints the tile where the button stood.
    // Throws when the file cannot be loaded; the button then stays visible.
    virtual void PaintTile(std::int32_t row, std::int32_t column, const std::string& tileFile) = 0;

    // Lets the event loop handle everything pending (timer ticks, clicks, repaints).
    virtual void LetPendingEventsRun() = 0;

    // A modal message box; returns once the player has closed it.
    virtual void ShowMessage(const std::string& text) = 0;

    // Lays out a new field with the size and mine count last applied.
    virtual void NewGame() = 0;
};

}  // namespace zarn
