// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Checks the bytes of a ".bmp" file against what its header announces, before the toolkit decodes
// them: the toolkit returns an image for a file cut short and leaves the missing rows as whatever
// memory held. Header-only plain C++, compiled into each program on its own (the two programs share
// no library) and into the fuzz target.
//
// Accepted: the 12-byte core header and the 40-, 64-, 108- and 124-byte info headers, 1/4/8/16/
// 24/32 bits per pixel, uncompressed or with bit-field masks. Run-length compression is refused:
// whether such a file covers every pixel cannot be told from its header.

#include <cstdint>
#include <string>
#include <string_view>

namespace bitmap_check {

// Far above any picture the programs use; keeps a lying header from asking for gigabytes.
constexpr std::int64_t maxSide = 16384;

namespace detail {

inline std::uint32_t U16(std::string_view b, std::size_t at) {
    return std::uint32_t(std::uint8_t(b[at])) | std::uint32_t(std::uint8_t(b[at + 1])) << 8;
}
inline std::uint32_t U32(std::string_view b, std::size_t at) { return U16(b, at) | U16(b, at + 2) << 16; }
inline std::int64_t S32(std::string_view b, std::size_t at) { return std::int64_t(std::int32_t(U32(b, at))); }

constexpr std::uint32_t rgb = 0;
constexpr std::uint32_t bitFields = 3;

// A colour mask is one run of at most eight bits: each channel becomes one byte on screen.
inline bool UsableMask(std::uint32_t mask) {
    if (mask == 0) return false;
    while ((mask & 1) == 0) mask >>= 1;
    return mask <= 0xFF && (mask & (mask + 1)) == 0;
}

}  // namespace detail

// Empty when the file holds every byte its header announces and the header agrees with itself;
// otherwise why not, in Czech (UTF-8), worded to follow "the file is damaged" with the file as
// subject ("má jen 600 z 1254 bajtů, které ohlašuje jeho hlavička").
//
// `bytes` may also be only the file's beginning, with `fileSize` the whole file's size: the
// beginning must then hold at least its first `headBytes` bytes (or the whole file), which covers
// every header, mask and colour table, so only the size of the pixel rows is taken from `fileSize`.
constexpr std::size_t headBytes = 4096;
inline std::string BitmapProblem(std::string_view bytes, std::uint64_t fileSize) {
    using namespace detail;
    constexpr std::size_t fileHeader = 14;
    if (bytes.size() < fileHeader + 4) return "je kratší než hlavička obrázku BMP";
    if (bytes[0] != 'B' || bytes[1] != 'M') return "nejde o obrázek BMP";

    const std::uint32_t infoSize = U32(bytes, fileHeader);
    const bool core = infoSize == 12;
    // The header kinds the toolkit decodes; the rarer 52- and 56-byte ones it does not.
    if (!core && infoSize != 40 && infoSize != 64 && infoSize != 108 && infoSize != 124)
        return "hlavička má neznámou délku " + std::to_string(infoSize) + " bajtů";
    const std::size_t infoEnd = fileHeader + infoSize;
    if (bytes.size() < infoEnd) return "končí uprostřed hlavičky";

    std::int64_t width = 0, height = 0;
    std::uint32_t planes = 0, bits = 0, compression = rgb, coloursUsed = 0;
    if (core) {
        width = U16(bytes, 18);
        height = U16(bytes, 20);
        planes = U16(bytes, 22);
        bits = U16(bytes, 24);
    } else {
        width = S32(bytes, 18);
        height = S32(bytes, 22);
        planes = U16(bytes, 26);
        bits = U16(bytes, 28);
        compression = U32(bytes, 30);
        coloursUsed = U32(bytes, 46);
    }
    if (height < 0) height = -height;  // rows stored top-down
    if (width <= 0 || height <= 0) return "hlavička udává nulový nebo záporný rozměr";
    if (width > maxSide || height > maxSide) return "hlavička udává nepřiměřený rozměr";
    if (planes != 1) return "hlavička udává neplatný počet rovin";
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && (core || (bits != 16 && bits != 32)))
        return "hlavička udává neplatnou barevnou hloubku " + std::to_string(bits) + " bitů";
    if (compression == bitFields) {
        if (bits != 16 && bits != 32) return "bitové masky barev patří jen k 16 nebo 32 bitům na bod";
    } else if (compression != rgb) {
        return "používá kompresi, kterou program nečte";
    }

    // What lies between the header and the pixels: the three masks after a 40-byte header, and the
    // colour table of a paletted picture.
    std::uint64_t tableEnd = infoEnd;
    if (compression == bitFields && infoSize == 40) tableEnd += 12;
    if (compression == bitFields) {
        if (bytes.size() < tableEnd) return "končí uprostřed bitových masek barev";
        const std::uint32_t red = U32(bytes, 54), green = U32(bytes, 58), blue = U32(bytes, 62);
        const std::uint64_t pixelValues = std::uint64_t(1) << bits;
        if (!UsableMask(red) || !UsableMask(green) || !UsableMask(blue) || (red & green) != 0 ||
            (red & blue) != 0 || (green & blue) != 0 || (red | green | blue) >= pixelValues)
            return "bitové masky barev si odporují";
    }
    if (bits <= 8) {
        const std::uint32_t paletteSize = 1u << bits;
        if (coloursUsed > paletteSize) return "hlavička udává víc barev, než barevná hloubka dovoluje";
        tableEnd += std::uint64_t(coloursUsed != 0 ? coloursUsed : paletteSize) * (core ? 3 : 4);
    }

    const std::uint64_t pixelsAt = U32(bytes, 10);
    if (pixelsAt < tableEnd) return "obrazová data podle hlavičky začínají uvnitř hlavičky";
    const std::uint64_t rowBytes = (std::uint64_t(width) * bits + 31) / 32 * 4;
    const std::uint64_t announced = pixelsAt + rowBytes * std::uint64_t(height);
    if (fileSize < announced)
        return "má jen " + std::to_string(fileSize) + " z " + std::to_string(announced) +
               " bajtů, které ohlašuje jeho hlavička";
    return {};
}

inline std::string BitmapProblem(std::string_view bytes) { return BitmapProblem(bytes, bytes.size()); }

}  // namespace bitmap_check
