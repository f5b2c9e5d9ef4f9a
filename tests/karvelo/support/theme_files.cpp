// SPDX-License-Identifier: GPL-3.0-or-later
#include "theme_files.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QImage>

namespace karvelo::test {

QStringList AllImagePaths() {
    QStringList paths{QStringLiteral("obr/karvelo.bmp")};
    const QStringList fixed = {"LHroh.bmp", "PHroh.bmp", "PDroh.bmp", "LDroh.bmp", "Hbok.bmp",
                               "Pbok.bmp",  "Dbok.bmp",  "Lbok.bmp",  "infoa.bmp", "Pole.bmp"};
    const QStringList marks = {"+", "1", "2", "3", "4", "5", "6", "7", "8", "9", "++", "+++"};
    for (const char* theme : {"Gothic", "Garden", "Ocean", "Mystery"}) {
        const QString folder = QStringLiteral("obr/%1/").arg(QLatin1String(theme));
        for (const QString& f : fixed) paths << folder + f;
        for (const char* set : {"Kolo", "Kriz", "Znk1"})
            for (int v = 0; v <= 3; ++v)
                paths << folder + QStringLiteral("%1/znak%2.bmp").arg(QLatin1String(set)).arg(v);
        for (const QString& m : marks) paths << folder + QStringLiteral("Cisla/%1.bmp").arg(m);
    }
    return paths;
}

QColor ColourOf(const QString& relativePath) {
    const size_t h = qHash(relativePath, 7u);
    return QColor(int(h & 0xff), int((h >> 8) & 0xff), int((h >> 16) & 0xff));
}

void WriteThemeFiles(const QString& root, int size) {
    for (const QString& path : AllImagePaths()) {
        const QString name = QFileInfo(path).fileName();
        const bool big = path.endsWith(QLatin1String("karvelo.bmp"));
        const bool framePiece = !path.contains(QLatin1String("/znak")) &&
                                !path.contains(QLatin1String("Cisla/")) && name != QLatin1String("Pole.bmp");
        const int side = big ? 480 : (framePiece ? 40 : size);
        QImage image(side, side, QImage::Format_RGB32);
        image.fill(ColourOf(path));
        QDir(root).mkpath(QFileInfo(path).path());
        image.save(root + QLatin1Char('/') + path, "BMP");
    }
}

}  // namespace karvelo::test
