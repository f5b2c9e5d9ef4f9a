// SPDX-License-Identifier: GPL-3.0-or-later
// Picture files as a user's disk may leave them: the check stays inside the bytes, and a file it
// accepts holds every pixel row and decodes to the size its header gives.

#include "common/bitmap_check.h"
#include "fuzz_check.h"

#include <QByteArray>
#include <QImage>
#include <cstdint>
#include <string_view>

namespace {

std::uint32_t U32(const unsigned char* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string problem =
        bitmap_check::BitmapProblem(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!problem.empty()) return 0;

    // Accepted: recompute the announced size independently of the checker.
    FUZZ_CHECK(size >= 26);
    const bool core = U32(data + 14) == 12;
    const std::int64_t width = core ? data[18] | data[19] << 8 : std::int32_t(U32(data + 18));
    std::int64_t height = core ? data[20] | data[21] << 8 : std::int32_t(U32(data + 22));
    if (height < 0) height = -height;
    const unsigned bits = core ? data[24] | data[25] << 8 : data[28] | data[29] << 8;
    FUZZ_CHECK(width > 0 && height > 0 && width <= bitmap_check::maxSide && height <= bitmap_check::maxSide);
    const std::uint64_t rowBytes = (std::uint64_t(width) * bits + 31) / 32 * 4;
    FUZZ_CHECK(std::uint64_t(U32(data + 10)) + rowBytes * std::uint64_t(height) <= size);

    // The toolkit reads every accepted file whole, at the header's size.
    const QImage image = QImage::fromData(
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)), "BMP");
    FUZZ_CHECK(!image.isNull());
    FUZZ_CHECK(image.width() == width && image.height() == height);
    return 0;
}
