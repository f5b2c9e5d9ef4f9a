// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>

#include <array>
#include <memory>

namespace artwork {

constexpr int fieldSize = 20;
constexpr int boardPixels = 480;
constexpr int bandWidth = 40;
constexpr int panelLeft = 120, panelRight = 360;
constexpr int symbolSetCount = 3;
constexpr int symbolVariantCount = 3;

// How the field-value marks are inked on the empty field.
struct MarkStyle {
    QColor ink;
    QColor outline;  // one pixel around every stroke; invalid for none
};

// One visual theme: everything needed to write its folder. The symbol sets are indexed
// 0 "Kolo", 1 "Kriz", 2 "Znk1". Sizes below are logical pixels; every picture comes at the theme's
// scale (raster.h): 1 for the 1x files, 2 for the twins.
class ThemeArt {
public:
    explicit ThemeArt(int scale) : scale_(scale) {}
    virtual ~ThemeArt() = default;

    int scale() const { return scale_; }

    virtual QString folderName() const = 0;
    virtual std::array<QString, symbolSetCount> setNames() const = 0;
    virtual QColor windowColour() const = 0;
    // The colour the panel labels should be written in.
    virtual QColor labelColour() const = 0;

    // Empty field, 20 x 20, opaque.
    virtual QImage field() const = 0;
    // The ground of a highlighted stone (winning line, on-move icon), 20 x 20, opaque.
    virtual QImage highlightField() const = 0;
    // Draws a stone of `set`, drawing variant 1..3, as vectors in the box (0, 0)-(20, 20) of
    // the painter's coordinates; the title picture draws the same stones larger.
    virtual void paintStone(QPainter& painter, int set, int variant) const = 0;
    // The stone as a 20 x 20 layer with alpha, with its shadow or glow. The highlighted
    // version asks with `highlighted` set and variant 1's drawing.
    virtual QImage stone(int set, int variant, bool highlighted) const = 0;

    // The top frame band as seen from the board's top edge: 480 x 40, outer edge at y 0.
    virtual QImage topBand() const = 0;
    // The top-left frame corner, 40 x 40; the other three are this one turned.
    virtual QImage corner() const = 0;
    // The panel behind the contestants' names, 240 x 40, placed at x 120 on the top band.
    virtual QImage panel(const QImage& bandBehind) const = 0;

    virtual MarkStyle markStyle() const = 0;

private:
    int scale_;
};

std::unique_ptr<ThemeArt> MakeGothicArt(int scale);
std::unique_ptr<ThemeArt> MakeGardenArt(int scale);
std::unique_ptr<ThemeArt> MakeOceanArt(int scale);
std::unique_ptr<ThemeArt> MakeMysteryArt(int scale);

}  // namespace artwork
