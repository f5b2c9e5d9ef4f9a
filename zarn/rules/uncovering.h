// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a click on a field does: loss on a mine, uncovering with flood fill, the win test.

#include "zarn/rules/field_view.h"
#include "zarn/rules/minefield.h"

#include <cstdint>
#include <deque>
#include <string>

namespace zarn {

inline constexpr const char* kMineTile = "mina.bmp";
inline constexpr const char* kLostText = "Mina! Prohráli jste!";
inline constexpr const char* kWonText = "Vyhráli jste!";

// "zarn0.bmp" .. "zarn8.bmp" for 0..8 mines around.
std::string NumberTile(std::int32_t minesAround);

class Uncovering {
public:
    Uncovering(Minefield& field, FieldView& view) : field_(field), view_(view) {}

    // A click on the field at (row, column). A click that arrives while another is being
    // processed (the flood fill lets events in) waits until that one has finished, and is
    // dropped if by then its field is uncovered or the field has been replaced.
    void ClickField(std::int32_t row, std::int32_t column);

    // Uncovers a covered field and, when no mine is around it, its covered neighbours, depth
    // first. Stops as soon as a new field has been laid during its event processing.
    void UncoverField(std::int32_t row, std::int32_t column);

    bool Busy() const { return busy_; }

private:
    struct PendingClick {
        std::int32_t row;
        std::int32_t column;
        std::uint32_t generation;
    };

    void HandleClick(std::int32_t row, std::int32_t column);
    void EndLostGame();
    bool StillPlayable(const PendingClick& click) const;

    Minefield& field_;
    FieldView& view_;
    bool busy_ = false;
    std::deque<PendingClick> pending_;
};

}  // namespace zarn
