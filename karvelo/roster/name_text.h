// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Roster names are code page 1250 bytes; the screen shows them as Unicode.

#include "karvelo/roster/codepage1250.h"

#include <QString>

namespace karvelo {

inline QString NameText(const char* cp1250) { return QString::fromStdString(Cp1250ToUtf8(cp1250)); }

}  // namespace karvelo
