// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes a complete set of theme images into a folder: every file a plain colour of its own, so a
// pixel read back tells which file was drawn there.

#include <QColor>
#include <QString>
#include <QStringList>

namespace karvelo::test {

// Every image path the program may load, relative to the working folder.
QStringList AllImagePaths();

// The colour of the image written for a path.
QColor ColourOf(const QString& relativePath);

// Writes all images below root (field-sized pictures are size x size).
void WriteThemeFiles(const QString& root, int size = 20);

}  // namespace karvelo::test
