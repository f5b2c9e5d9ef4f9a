// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "theme_art.h"

namespace artwork {

// Stone grey: a cathedral wall with a blind arcade round the board, stained-glass corner
// rosettes, and golden rings, crimson crosses and blue-glazed amphoras as stones.
class GothicArt final : public ThemeArt {
public:
    using ThemeArt::ThemeArt;
    QString folderName() const override { return "Gothic"; }
    std::array<QString, symbolSetCount> setNames() const override;
    QColor windowColour() const override { return QColor(113, 111, 100); }
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
