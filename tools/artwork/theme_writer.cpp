// SPDX-License-Identifier: GPL-3.0-or-later
#include "theme_writer.h"

#include "bmp_file.h"
#include "frame_composer.h"
#include "raster.h"
#include "value_marks.h"

#include <array>

namespace artwork {

namespace {

const std::array<const char*, symbolSetCount> symbolFolders = {"Kolo", "Kriz", "Znk1"};

}  // namespace

QImage SymbolPicture(const ThemeArt& theme, int set, int variant) {
    const bool highlighted = variant == 0;
    QImage picture = (highlighted ? theme.highlightField() : theme.field())
                         .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    DrawOver(picture, theme.stone(set, highlighted ? 1 : variant, highlighted));
    return picture;
}

bool WriteTheme(const ThemeArt& theme, const QString& obrFolder, QStringList* written, QString* error) {
    const QString folder = obrFolder + "/" + theme.folderName() + "/";
    auto write = [&](const QImage& image, const QString& name) {
        const QString path = folder + ScaledFileName(name, theme.scale());
        if (!WriteBmp24(image, path, error)) return false;
        if (written) written->append(path);
        return true;
    };

    const QImage frame = ComposeFrame(theme);
    const int far = boardPixels - bandWidth;
    // Corners are 40 x 40 and sides run the full 480: the program anchors every fill at the
    // board's origin, so each piece shows exactly the pixels of the composed frame.
    const bool frameOk = write(LogicalCopy(frame, QRect(0, 0, bandWidth, bandWidth)), "LHroh.bmp") &&
                         write(LogicalCopy(frame, QRect(far, 0, bandWidth, bandWidth)), "PHroh.bmp") &&
                         write(LogicalCopy(frame, QRect(far, far, bandWidth, bandWidth)), "PDroh.bmp") &&
                         write(LogicalCopy(frame, QRect(0, far, bandWidth, bandWidth)), "LDroh.bmp") &&
                         write(LogicalCopy(frame, QRect(0, 0, boardPixels, bandWidth)), "Hbok.bmp") &&
                         write(LogicalCopy(frame, QRect(far, 0, bandWidth, boardPixels)), "Pbok.bmp") &&
                         write(LogicalCopy(frame, QRect(0, far, boardPixels, bandWidth)), "Dbok.bmp") &&
                         write(LogicalCopy(frame, QRect(0, 0, bandWidth, boardPixels)), "Lbok.bmp") &&
                         write(ComposePanelStrip(theme, frame), "infoa.bmp") &&
                         write(theme.field(), "Pole.bmp");
    if (!frameOk) return false;

    for (int set = 0; set < symbolSetCount; ++set)
        for (int variant = 0; variant <= symbolVariantCount; ++variant)
            if (!write(
                    SymbolPicture(theme, set, variant),
                    QString("%1/znak%2.bmp").arg(symbolFolders[static_cast<std::size_t>(set)]).arg(variant)))
                return false;

    for (int mark = 0; mark < valueMarkCount; ++mark)
        if (!write(ValueMark(theme, mark),
                   "Cisla/" + ValueMarkNames()[static_cast<std::size_t>(mark)] + ".bmp"))
            return false;
    return true;
}

}  // namespace artwork
