// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drawing the match screen onto the persistent picture surfaces.

#include "karvelo/match/board.h"
#include "karvelo/theme_images.h"

#include <QImage>

class QPainter;

namespace karvelo {

// Fills (left, top)-(right, bottom), right and bottom excluded, with the pattern repeated from the
// surface's origin: pixel (x, y) takes pattern pixel (x mod width, y mod height).
void FillBoardRect(QImage& surface, const QImage& pattern, int left, int top, int right, int bottom);
void FillBoardRect(QPainter& painter, const QImage& pattern, int left, int top, int right, int bottom);

// The frame pieces, corners first, then the panel strip; the inside is left as it was.
void DrawBoardFrame(QImage& board, const ThemeImages& images);

// The value mark for a field value: an index into valueBitmaps, or -1 for none.
int ValueMarkIndex(std::int32_t value);

// One playable field from its picture, then (when shown) its value mark over it.
void DrawField(QImage& board, const Board& fields, const ThemeImages& images, bool showFieldValues,
               int cellWidth, int cellHeight, int column, int row);

// Every playable field from its picture, then (when shown) the value marks over them.
void DrawFields(QImage& board, const Board& fields, const ThemeImages& images, bool showFieldValues,
                int cellWidth, int cellHeight);

// The on-move icon: the highlighted symbol of the contestant on move.
void DrawTurnIcon(QImage& turn, const ThemeImages& images, int playerOnMove);

}  // namespace karvelo
