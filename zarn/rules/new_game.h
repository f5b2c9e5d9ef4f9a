// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Starting a game: the field is laid anew and the listener hears of it.

#include "zarn/rules/field_events.h"
#include "zarn/rules/minefield.h"
#include "zarn/rules/random_source.h"

namespace zarn {

// With the size and mine count last applied; the time is not touched.
inline void StartNewGame(Minefield& field, RandomSource& random, FieldEvents& events) {
    field.LayNewField(random);
    events.NewFieldLaid();
}

}  // namespace zarn
