// SPDX-License-Identifier: GPL-3.0-or-later
#include "bmp_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <vector>

namespace artwork {

namespace {

void PutLe(std::vector<char>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

bool WriteBmp24(const QImage& image, const QString& path, QString* error) {
    // Qt's own writer may keep an alpha channel; the program loads plain 24-bit files, so
    // the header and rows are written here explicitly.
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const int width = rgb.width(), height = rgb.height();
    const int rowBytes = (width * 3 + 3) & ~3;
    const std::uint32_t pixelBytes = static_cast<std::uint32_t>(rowBytes * height);
    const std::uint32_t headerBytes = 14 + 40;

    std::vector<char> out;
    out.reserve(headerBytes + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    PutLe(out, headerBytes + pixelBytes, 4);
    PutLe(out, 0, 4);
    PutLe(out, headerBytes, 4);
    PutLe(out, 40, 4);
    PutLe(out, static_cast<std::uint32_t>(width), 4);
    PutLe(out, static_cast<std::uint32_t>(height), 4);  // positive: rows stored bottom-up
    PutLe(out, 1, 2);
    PutLe(out, 24, 2);
    PutLe(out, 0, 4);  // BI_RGB
    PutLe(out, pixelBytes, 4);
    PutLe(out, 2835, 4);  // 72 dpi
    PutLe(out, 2835, 4);
    PutLe(out, 0, 4);
    PutLe(out, 0, 4);
    for (int y = height - 1; y >= 0; --y) {
        const uchar* row = rgb.constScanLine(y);
        for (int x = 0; x < width; ++x) {
            out.push_back(static_cast<char>(row[3 * x + 2]));
            out.push_back(static_cast<char>(row[3 * x + 1]));
            out.push_back(static_cast<char>(row[3 * x]));
        }
        for (int pad = width * 3; pad < rowBytes; ++pad) out.push_back(0);
    }

    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(out.data(), static_cast<qint64>(out.size())) != static_cast<qint64>(out.size())) {
        if (error) *error = path + ": " + file.errorString();
        return false;
    }
    return true;
}

QString ScaledFileName(const QString& name, int scale) {
    if (scale == 1) return name;
    const qsizetype dot = name.lastIndexOf('.');
    return name.left(dot) + QString("@%1x").arg(scale) + name.mid(dot);
}

int BmpBitCount(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QByteArray head = file.read(30);
    if (head.size() < 30 || head[0] != 'B' || head[1] != 'M') return -1;
    return static_cast<uchar>(head[28]) | (static_cast<uchar>(head[29]) << 8);
}

}  // namespace artwork
