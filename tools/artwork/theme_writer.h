// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "theme_art.h"

#include <QString>
#include <QStringList>

namespace artwork {

// Writes the complete folder of one theme under `obrFolder` (frame pieces, panel strip,
// empty field, the three symbol sets and the value marks). Returns false with the reason in
// *error on the first file that cannot be written; appends every written path to *written.
bool WriteTheme(const ThemeArt& theme, const QString& obrFolder, QStringList* written, QString* error);

// The stone of `set`, variant 0 (highlighted) or 1..3, composed on its ground: the exact
// 20 x 20 picture that goes into the symbol file.
QImage SymbolPicture(const ThemeArt& theme, int set, int variant);

}  // namespace artwork
