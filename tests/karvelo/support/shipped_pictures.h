// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The shipped pictures (every theme with its @2x twins) copied into a test's working folder. The
// including test defines SHIPPED_DATA_DIR, the source tree's data folder.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QString>

namespace karvelo::test {

inline void CopyShippedPictures(const QString& target) {
    const QDir shipped(QStringLiteral(SHIPPED_DATA_DIR));
    QDirIterator files(shipped.filePath(QStringLiteral("obr")), {QStringLiteral("*.bmp")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString relative = shipped.relativeFilePath(files.next());
        QDir(target).mkpath(QFileInfo(relative).path());
        if (!QFile::copy(files.filePath(), target + QLatin1Char('/') + relative))
            qFatal("cannot copy %s", qPrintable(relative));
    }
}

}  // namespace karvelo::test
