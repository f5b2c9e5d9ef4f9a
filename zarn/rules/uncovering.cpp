// SPDX-License-Identifier: GPL-3.0-or-later
#include "zarn/rules/uncovering.h"

#include "zarn/rules/new_game.h"

#include <array>
#include <utility>

namespace zarn {

namespace {

// up, down, left, right, down-right, up-left, up-right, down-left
constexpr std::array<std::pair<std::int32_t, std::int32_t>, 8> kNeighbourOrder{{
    {-1, 0},
    {1, 0},
    {0, -1},
    {0, 1},
    {1, 1},
    {-1, -1},
    {-1, 1},
    {1, -1},
}};

}  // namespace

void Uncovering::ClickField(std::int32_t row, std::int32_t column) {
    if (busy_) {
        pending_.push_back({row, column, field_.generation});
        return;
    }
    busy_ = true;
    try {
        HandleClick(row, column);
        while (!pending_.empty()) {
            const PendingClick click = pending_.front();
            pending_.pop_front();
            if (StillPlayable(click)) HandleClick(click.row, click.column);
        }
    } catch (...) {
        busy_ = false;
        pending_.clear();
        throw;
    }
    busy_ = false;
}

bool Uncovering::StillPlayable(const PendingClick& click) const {
    if (click.generation != field_.generation) return false;
    const std::int32_t state = field_.cells[click.row][click.column];
    return state == csCovered || state == csMine;
}

void Uncovering::HandleClick(std::int32_t row, std::int32_t column) {
    const std::uint32_t generation = field_.generation;
    const std::int32_t state = field_.cells[row][column];
    if (state == csMine) {
        try {
            events_.GameLost({row, column});
        } catch (...) {
            // The game is lost even when the window could not show it: the new field comes first.
            StartNewGame(field_, random_, events_);
            throw;
        }
        StartNewGame(field_, random_, events_);
    } else if (state == csCovered) {
        opened_.clear();
        UncoverField(row, column);
        events_.ClickUncovered(opened_);
        if (field_.generation != generation) return;  // replaced during the fill; nothing left to test
    }
    if (field_.IsWon()) {
        events_.GameWon();
        StartNewGame(field_, random_, events_);
    }
}

void Uncovering::UncoverField(std::int32_t row, std::int32_t column) {
    const std::uint32_t generation = field_.generation;
    const std::int32_t minesAround = field_.MinesAround(row, column);
    events_.LetPendingEventsRun();
    if (field_.generation != generation) return;

    if (minesAround > 0) events_.FieldUncovered({row, column}, minesAround);
    // The state changes before any neighbour is visited, so no field is uncovered twice.
    field_.cells[row][column] = minesAround == 0 ? csBlank : csNumber;
    if (minesAround == 0) events_.FieldUncovered({row, column}, 0);
    opened_.push_back({row, column});
    if (minesAround > 0) return;

    for (const auto& [dr, dc] : kNeighbourOrder) {
        if (field_.generation != generation) return;
        if (field_.cells[row + dr][column + dc] == csCovered) UncoverField(row + dr, column + dc);
    }
}

}  // namespace zarn
