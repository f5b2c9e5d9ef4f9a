// SPDX-License-Identifier: GPL-3.0-or-later
#include "karvelo/theme_images.h"

#include "common/picture_file.h"

namespace karvelo {

namespace {

[[noreturn]] void Refuse(const QString& file, const QString& why) {
    throw ImageLoadError(QStringLiteral("Nelze načíst obrázek „%1“: %2.").arg(file, why).toStdString());
}

// Throws ImageLoadError naming the file when it is missing, unreadable or damaged; on a dense
// screen returns the file's twin instead when that one is sound.
QImage LoadPicture(const std::string& path, qreal deviceRatio) {
    using picture_file::Failure;
    const QString file = QString::fromStdString(path);
    const picture_file::Picture picture = picture_file::Read(file);
    switch (picture.failure) {
    case Failure::none:
        break;
    case Failure::missing:
        Refuse(file, QStringLiteral("soubor neexistuje"));
    case Failure::notAFile:
        Refuse(file, QStringLiteral("není to obyčejný soubor"));
    case Failure::tooLarge:
        Refuse(file, QStringLiteral("soubor je příliš velký"));
    case Failure::unreadable:
        Refuse(file, picture.detail);
    case Failure::damaged:
        Refuse(file, QStringLiteral("soubor je poškozený (%1)").arg(picture.detail));
    }
    // One pixel format for everything drawn, so fills never convert on the fly.
    return picture_file::WithTwin(picture.image, file, deviceRatio).convertToFormat(QImage::Format_RGB32);
}

}  // namespace

void LoadThemeImages(ThemeImages& images, const Settings& s, qreal deviceRatio) {
    auto LoadBitmap = [deviceRatio](const std::string& path) { return LoadPicture(path, deviceRatio); };
    static const char* const frameFiles[9] = {"LHroh.bmp", "PHroh.bmp", "PDroh.bmp", "LDroh.bmp", "Hbok.bmp",
                                              "Pbok.bmp",  "Dbok.bmp",  "Lbok.bmp",  "infoa.bmp"};
    const std::string& t = s.themePath;
    for (int i = 0; i < 9; ++i) images.frameBitmaps[i] = LoadBitmap(t + frameFiles[i]);
    images.frameBitmaps[9] = LoadBitmap("obr/karvelo.bmp");

    images.fieldBitmaps[0] = LoadBitmap(t + "Pole.bmp");
    for (int v = 1; v <= 3; ++v)
        images.fieldBitmaps[v] = LoadBitmap(t + s.symbolPath1 + std::to_string(v) + ".bmp");
    for (int v = 1; v <= 3; ++v)
        images.fieldBitmaps[3 + v] = LoadBitmap(t + s.symbolPath2 + std::to_string(v) + ".bmp");
    images.fieldBitmaps[7] = LoadBitmap(t + s.symbolPath1 + "0.bmp");
    images.fieldBitmaps[8] = LoadBitmap(t + s.symbolPath2 + "0.bmp");

    const std::string n = t + s.numbersPath;
    images.valueBitmaps[0] = LoadBitmap(n + "+.bmp");
    for (int v = 1; v <= 9; ++v) images.valueBitmaps[v] = LoadBitmap(n + std::to_string(v) + ".bmp");
    images.valueBitmaps[10] = LoadBitmap(n + "++.bmp");
    images.valueBitmaps[11] = LoadBitmap(n + "+++.bmp");
}

}  // namespace karvelo
