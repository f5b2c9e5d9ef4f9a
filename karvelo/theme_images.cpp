#include "karvelo/theme_images.h"

#include "common/bitmap_check.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace karvelo {

namespace {

// A picture file is a few kilobytes; anything this large is not one of ours.
constexpr qint64 maxBitmapBytes = 64 * 1024 * 1024;

[[noreturn]] void Refuse(const QString& file, const QString& why) {
    throw ImageLoadError(QStringLiteral("Nelze načíst obrázek „%1“: %2.").arg(file, why).toStdString());
}

// Throws ImageLoadError naming the file when it is missing, unreadable or damaged. The bytes are
// checked and decoded from one read, so what was checked is what is drawn.
QImage LoadBitmap(const std::string& path) {
    const QString file = QString::fromStdString(path);
    const QFileInfo info(file);
    if (!info.exists()) Refuse(file, QStringLiteral("soubor neexistuje"));
    if (!info.isFile()) Refuse(file, QStringLiteral("není to obyčejný soubor"));  // a pipe would block
    if (info.size() > maxBitmapBytes) Refuse(file, QStringLiteral("soubor je příliš velký"));
    QFile stream(file);
    if (!stream.open(QIODevice::ReadOnly)) Refuse(file, stream.errorString());
    QByteArray bytes = stream.readAll();
    if (stream.error() != QFileDevice::NoError) Refuse(file, stream.errorString());

    const std::string problem =
        bitmap_check::BitmapProblem(std::string_view(bytes.constData(), bytes.size()));
    if (!problem.empty())
        Refuse(file, QStringLiteral("soubor je poškozený (%1)").arg(QString::fromStdString(problem)));
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "bmp");
    QImage image = reader.read();
    if (image.isNull()) Refuse(file, QStringLiteral("soubor je poškozený (%1)").arg(reader.errorString()));
    // One pixel format for everything drawn, so fills never convert on the fly.
    return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

void LoadThemeImages(ThemeImages& images, const Settings& s) {
    static const char* const frameFiles[9] = {"LHroh.bmp", "PHroh.bmp", "PDroh.bmp", "LDroh.bmp", "Hbok.bmp",
                                              "Pbok.bmp",  "Dbok.bmp",  "Lbok.bmp",  "infoa.bmp"};
    const std::string& t = s.themePath;
    for (int i = 0; i < 9; ++i) images.frameBitmaps[i] = LoadBitmap(t + frameFiles[i]);
    images.frameBitmaps[9] = LoadBitmap("obr/karvelo.bmp");

    images.fieldBitmaps[0] = LoadBitmap(t + "Pole.bmp");
    for (int v = 1; v <= 3; ++v) images.fieldBitmaps[v] = LoadBitmap(t + s.symbolPath1 + std::to_string(v) + ".bmp");
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
