// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace artwork {

// Reads the written files back from under `root` (as the programs will) and writes PNG
// previews into `previewFolder`: every theme's match screen (1x and 2x), its tiles at 4x,
// the title picture with and without its click regions, the minefield tiles at 4x, the icons.
bool WritePreviews(const QString& root, const QString& previewFolder, const QStringList& themes,
                   QString* error);

}  // namespace artwork
