#pragma once

#include <QImage>
#include <QString>

namespace artwork {

// Writes the image as an uncompressed 24-bit Windows bitmap (any alpha is dropped).
// Returns false with a reason in *error when the file cannot be written.
bool WriteBmp24(const QImage& image, const QString& path, QString* error);

// Reads the bit depth field of a written bitmap header; -1 if the file is not a bitmap.
int BmpBitCount(const QString& path);

} // namespace artwork
