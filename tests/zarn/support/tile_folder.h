// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A temporary working folder holding a small tile set, each tile one solid colour.

#include <QColor>
#include <QString>
#include <QTemporaryDir>

namespace zarn::test {

class TileFolder {
public:
    TileFolder();   // writes the tiles and makes the folder the working folder
    ~TileFolder();  // returns to the previous working folder

    void Remove(const QString& fileName) const;
    void Restore(const QString& fileName) const;
    // Keeps only the first bytes of the tile, as an interrupted copy would.
    void Truncate(const QString& fileName, int keepBytes) const;

    static QColor ColourOf(const QString& fileName);

private:
    QTemporaryDir dir_;
    QString previous_;
};

}  // namespace zarn::test
