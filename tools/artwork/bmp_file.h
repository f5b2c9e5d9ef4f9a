// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

namespace artwork {

// Writes the image as an uncompressed 24-bit Windows bitmap (any alpha is dropped).
// Returns false with a reason in *error when the file cannot be written.
bool WriteBmp24(const QImage& image, const QString& path, QString* error);

// The file name of a picture drawn at `scale`: "Pole.bmp" itself at 1, "Pole@2x.bmp" at 2 (the
// toolkit's suffix for a twin drawn at twice the size).
QString ScaledFileName(const QString& name, int scale);

// Reads the bit depth field of a written bitmap header; -1 if the file is not a bitmap.
int BmpBitCount(const QString& path);

}  // namespace artwork
