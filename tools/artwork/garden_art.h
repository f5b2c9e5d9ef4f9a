// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "theme_art.h"

namespace artwork {

// Green: a flowering hedge with a timber edging round a lawn, a wooden sign for the
// names, and red tulips, blue forget-me-nots and yellow sunflowers as stones.
class GardenArt final : public ThemeArt {
public:
    using ThemeArt::ThemeArt;
    QString folderName() const override { return "Garden"; }
    std::array<QString, symbolSetCount> setNames() const override;
    QColor windowColour() const override { return QColor(0, 128, 0); }
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
