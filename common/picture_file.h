// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads the programs' ".bmp" pictures, and on a high-density screen their twins drawn at twice the
// size ("Pole@2x.bmp" beside "Pole.bmp"). Header-only, compiled into each program on its own like
// bitmap_check.h; each program words its own errors from the Failure it gets.

#include "common/bitmap_check.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QString>
#include <QtEndian>
#include <cstring>

namespace picture_file {

// A picture file is a few kilobytes; anything this large is not one of ours.
constexpr qint64 maxBytes = 64 * 1024 * 1024;

enum class Failure { none, missing, notAFile, tooLarge, unreadable, damaged };

struct Picture {
    QImage image;  // null unless failure is none
    Failure failure = Failure::none;
    QString detail;  // unreadable: the system's reason; damaged: what is wrong (Czech)
};

// Whether the checked header announces a plain 24-bit picture with the 40-byte header, which is
// every picture the programs ship.
inline bool IsPlain24(std::string_view head) {
    using bitmap_check::detail::U16;
    using bitmap_check::detail::U32;
    return U32(head, 14) == 40 && U16(head, 28) == 24 && U32(head, 30) == 0;
}

// One stored row of blue, green, red bytes into `width` pixels of the drawing format.
inline void ConvertRow24(const unsigned char* in, QRgb* out, int width) {
    int x = 0;
    if constexpr (Q_BYTE_ORDER == Q_LITTLE_ENDIAN) {
        // Four pixels from three words: the stored blue, green, red bytes are already the drawing
        // format's low three bytes.
        for (; x + 4 <= width; x += 4, in += 12) {
            quint32 a, b, c;
            std::memcpy(&a, in, 4);
            std::memcpy(&b, in + 4, 4);
            std::memcpy(&c, in + 8, 4);
            out[x] = 0xff000000u | (a & 0xffffffu);
            out[x + 1] = 0xff000000u | a >> 24 | (b & 0xffffu) << 8;
            out[x + 2] = 0xff000000u | b >> 16 | (c & 0xffu) << 16;
            out[x + 3] = 0xff000000u | c >> 8;
        }
    }
    for (; x < width; ++x, in += 3) out[x] = qRgb(in[2], in[1], in[0]);
}

// The layout of a checked plain 24-bit picture's pixel rows in its file.
struct Plain24Rows {
    int width = 0;
    int rows = 0;
    bool bottomUp = true;  // the last row of the picture stored first
    qint64 rowBytes = 0;   // padded to whole words
    qint64 offset = 0;     // of the first stored row

    explicit Plain24Rows(std::string_view head) {
        using bitmap_check::detail::S32;
        using bitmap_check::detail::U32;
        width = int(S32(head, 18));
        const std::int64_t height = S32(head, 22);
        bottomUp = height > 0;
        rows = int(bottomUp ? height : -height);
        rowBytes = (qint64(width) * 24 + 31) / 32 * 4;
        offset = U32(head, 10);
    }
    int StoredIndex(int row) const { return bottomUp ? rows - 1 - row : row; }
};

// Decodes a plain 24-bit picture row by row from the file straight into the drawing format. The
// toolkit's general decoder takes several times as long (on a dense screen most of the start-up,
// where the title picture alone has 960 x 960 pixels), and it wants the whole file in memory
// beside the picture. A null image when the file comes up short.
inline QImage DecodePlain24(QFile& stream, std::string_view head) {
    const Plain24Rows layout(head);
    QImage image(layout.width, layout.rows, QImage::Format_RGB32);
    if (image.isNull() || !stream.seek(layout.offset)) return {};
    QByteArray row(layout.rowBytes, Qt::Uninitialized);
    for (int stored = 0; stored < layout.rows; ++stored) {
        if (stream.read(row.data(), layout.rowBytes) != layout.rowBytes) return {};
        ConvertRow24(reinterpret_cast<const unsigned char*>(row.constData()),
                     reinterpret_cast<QRgb*>(image.scanLine(layout.StoredIndex(stored))), layout.width);
    }
    return image;
}

// Decodes the picture's rows from `top` on into `strip`, as many as it has (its width is the
// picture's): a large picture drawn in strips never needs memory for all of its pixels. False when
// the rows lie outside the picture or the file comes up short.
inline bool DecodePlain24Strip(QFile& stream, std::string_view head, int top, QImage& strip) {
    const Plain24Rows layout(head);
    const int count = strip.height();
    if (top < 0 || count > layout.rows - top || strip.width() != layout.width) return false;
    // The strip's rows lie together in the file, in one order or the other.
    const int firstStored = layout.bottomUp ? layout.rows - top - count : top;
    if (!stream.seek(layout.offset + firstStored * layout.rowBytes)) return false;
    const qint64 bytes = count * layout.rowBytes;
    QByteArray stored(bytes, Qt::Uninitialized);
    if (stream.read(stored.data(), bytes) != bytes) return false;
    for (int k = 0; k < count; ++k) {
        const int row = layout.StoredIndex(firstStored + k) - top;
        ConvertRow24(reinterpret_cast<const unsigned char*>(stored.constData()) + k * layout.rowBytes,
                     reinterpret_cast<QRgb*>(strip.scanLine(row)), layout.width);
    }
    return true;
}

// Opens the file `stream` names and reads its header into `head`, checked against the file's size.
inline Failure OpenChecked(QFile& stream, QByteArray& head, QString& detail) {
    const QFileInfo info(stream.fileName());
    if (!info.exists()) return Failure::missing;
    if (!info.isFile()) return Failure::notAFile;  // a pipe would block the open
    if (info.size() > maxBytes) return Failure::tooLarge;
    if (!stream.open(QIODevice::ReadOnly)) {
        detail = stream.errorString();
        return Failure::unreadable;
    }
    const qint64 size = stream.size();
    head = stream.read(qMin(size, qint64(bitmap_check::headBytes)));
    if (stream.error() != QFileDevice::NoError) {
        detail = stream.errorString();
        return Failure::unreadable;
    }
    const std::string problem = bitmap_check::BitmapProblem(
        std::string_view(head.constData(), std::size_t(head.size())), std::uint64_t(size));
    if (!problem.empty()) {
        detail = QString::fromStdString(problem);
        return Failure::damaged;
    }
    return Failure::none;
}

// The bytes are checked before they are decoded, so what was checked is what is drawn: the
// toolkit decodes a file cut short and leaves the missing rows as whatever memory held.
inline Picture Read(const QString& path) {
    QFile stream(path);
    QByteArray bytes;
    QString detail;
    if (const Failure failure = OpenChecked(stream, bytes, detail); failure != Failure::none)
        return {{}, failure, detail};
    const std::string_view head(bytes.constData(), std::size_t(bytes.size()));

    if (IsPlain24(head)) {
        QImage image = DecodePlain24(stream, head);
        if (stream.error() != QFileDevice::NoError) return {{}, Failure::unreadable, stream.errorString()};
        if (image.isNull()) return {{}, Failure::damaged, QStringLiteral("se během čtení zkrátil")};
        return {image, Failure::none, {}};
    }
    bytes += stream.readAll();
    if (stream.error() != QFileDevice::NoError) return {{}, Failure::unreadable, stream.errorString()};
    const std::string whole =
        bitmap_check::BitmapProblem(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    if (!whole.empty()) return {{}, Failure::damaged, QString::fromStdString(whole)};
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "bmp");
    QImage image = reader.read();
    if (image.isNull()) return {{}, Failure::damaged, reader.errorString()};
    return {image, Failure::none, {}};
}

// The twin's file name: the toolkit's "@2x" before the extension ("obr/karvelo@2x.bmp").
inline QString TwinPath(const QString& path) {
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (dot <= slash + 1) return path + QLatin1String("@2x");
    return path.left(dot) + QLatin1String("@2x") + path.mid(dot);
}

// Screens denser than one pixel per logical pixel draw the twins: exact at 2, smoothly scaled
// down between 1 and 2. At 1 no twin is even looked for.
inline bool WantsTwin(qreal deviceRatio) { return deviceRatio > 1.0; }

// What to draw for `single`, the 1x picture already read from `path`: its twin, marked with device
// pixel ratio 2 so that it covers the same logical size, when the screen wants one and the twin
// reads cleanly at exactly twice the size; otherwise `single` itself. The 1x file is the required
// one, so a missing or damaged twin is no error.
inline QImage WithTwin(const QImage& single, const QString& path, qreal deviceRatio) {
    if (!WantsTwin(deviceRatio)) return single;
    Picture twin = Read(TwinPath(path));
    if (twin.failure != Failure::none || twin.image.size() != single.size() * 2) return single;
    twin.image.setDevicePixelRatio(2.0);
    return twin.image;
}

// The size a picture covers on the screen, in logical pixels, whichever file it came from.
inline QSize LogicalSize(const QImage& image) { return image.deviceIndependentSize().toSize(); }

}  // namespace picture_file
