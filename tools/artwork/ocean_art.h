// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "theme_art.h"

namespace artwork {

// Blue: deep water with breaking waves and a rope round the board, life rings in the
// corners, a sandy plaque, and sea urchins, starfish and scallop shells as stones.
class OceanArt final : public ThemeArt {
public:
    using ThemeArt::ThemeArt;
    QString folderName() const override { return "Ocean"; }
    std::array<QString, symbolSetCount> setNames() const override;
    QColor windowColour() const override { return QColor(100, 139, 203); }
    QColor labelColour() const override { return QColor(0, 0, 0); }
    QImage field() const override;
    QImage highlightField() const override;
    void paintStone(QPainter& painter, int set, int variant) const override;
    QImage stone(int set, int variant, bool highlighted) const override;
    QImage topBand() const override;
    QImage corner() const override;
    QImage panel(const QImage& bandBehind) const override;
    MarkStyle markStyle() const override;
};

}  // namespace artwork
