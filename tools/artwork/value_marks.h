// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "theme_art.h"

#include <QImage>
#include <QString>

#include <array>

namespace artwork {

// The twelve field-value marks in the program's load order: "+", "1" … "9", "++", "+++".
constexpr int valueMarkCount = 12;
const std::array<QString, valueMarkCount>& ValueMarkNames();

// The empty field with mark number `index` (of ValueMarkNames) drawn on it.
QImage ValueMark(const ThemeArt& theme, int index);

}  // namespace artwork
