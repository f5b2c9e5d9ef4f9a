// SPDX-License-Identifier: GPL-3.0-or-later
#include "karvelo/theme_images.h"

#include "common/picture_file.h"

namespace karvelo {

namespace {

constexpr int firstField = 10, firstValue = 19;

[[noreturn]] void Refuse(const QString& file, const QString& why) {
    throw ImageLoadError(QStringLiteral("Nelze načíst obrázek „%1“: %2.").arg(file, why).toStdString());
}

// Throws ImageLoadError naming the file when it is missing, unreadable or damaged.
QImage LoadPicture(const QString& file) {
    using picture_file::Failure;
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
    return picture.image.convertToFormat(QImage::Format_RGB32);
}

const QImage& Drawn(const QImage& single, ThemeImages::TwinSlot& slot, qreal deviceRatio) {
    if (!picture_file::WantsTwin(deviceRatio) || single.isNull()) return single;
    if (!slot.lookedFor) {
        slot.lookedFor = true;
        const QImage twin = picture_file::WithTwin(single, slot.path, deviceRatio);
        if (twin.devicePixelRatio() > 1.0) slot.twin = twin.convertToFormat(QImage::Format_RGB32);
    }
    return slot.twin.isNull() ? single : slot.twin;
}

}  // namespace

const QImage& ThemeImages::Frame(int entry, qreal deviceRatio) const {
    return Drawn(frameBitmaps.at(entry), twins[entry], deviceRatio);
}

const QImage& ThemeImages::Field(int entry, qreal deviceRatio) const {
    return Drawn(fieldBitmaps.at(entry), twins[firstField + entry], deviceRatio);
}

const QImage& ThemeImages::Value(int entry, qreal deviceRatio) const {
    return Drawn(valueBitmaps.at(entry), twins[firstValue + entry], deviceRatio);
}

void ThemeImages::ReleaseFrameTwin(int entry) const {
    TwinSlot& slot = twins.at(entry);
    slot.lookedFor = false;
    slot.twin = QImage();
}

void FillThemeImages(ThemeImages& images, const Settings& s) {
    auto load = [&images](QImage& target, int slot, const std::string& path) {
        const QString file = QString::fromStdString(path);
        target = LoadPicture(file);
        images.twins[slot] = {file, false, {}};
    };
    static const char* const frameFiles[9] = {"LHroh.bmp", "PHroh.bmp", "PDroh.bmp", "LDroh.bmp", "Hbok.bmp",
                                              "Pbok.bmp",  "Dbok.bmp",  "Lbok.bmp",  "infoa.bmp"};
    const std::string& t = s.themePath;
    for (int i = 0; i < 9; ++i) load(images.frameBitmaps[i], i, t + frameFiles[i]);
    load(images.frameBitmaps[9], 9, "obr/karvelo.bmp");

    load(images.fieldBitmaps[0], firstField, t + "Pole.bmp");
    for (int v = 1; v <= 3; ++v)
        load(images.fieldBitmaps[v], firstField + v, t + s.symbolPath1 + std::to_string(v) + ".bmp");
    for (int v = 1; v <= 3; ++v)
        load(images.fieldBitmaps[3 + v], firstField + 3 + v, t + s.symbolPath2 + std::to_string(v) + ".bmp");
    load(images.fieldBitmaps[7], firstField + 7, t + s.symbolPath1 + "0.bmp");
    load(images.fieldBitmaps[8], firstField + 8, t + s.symbolPath2 + "0.bmp");

    const std::string n = t + s.numbersPath;
    load(images.valueBitmaps[0], firstValue, n + "+.bmp");
    for (int v = 1; v <= 9; ++v) load(images.valueBitmaps[v], firstValue + v, n + std::to_string(v) + ".bmp");
    load(images.valueBitmaps[10], firstValue + 10, n + "++.bmp");
    load(images.valueBitmaps[11], firstValue + 11, n + "+++.bmp");
}

}  // namespace karvelo
