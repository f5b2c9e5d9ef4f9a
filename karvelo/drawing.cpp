// SPDX-License-Identifier: GPL-3.0-or-later
#include "karvelo/drawing.h"

#include "common/picture_file.h"

#include <QPainter>

namespace karvelo {

void FillBoardRect(QPainter& painter, const QImage& pattern, int left, int top, int right, int bottom) {
    if (pattern.isNull() || right <= left || bottom <= top) return;
    // Positions are logical pixels; a twin picture covers the same logical size as its 1x file.
    const QSize size = picture_file::LogicalSize(pattern);
    const int w = size.width(), h = size.height();
    // Between ratios 1 and 2 the twins are scaled down: smoothly, not by dropping pixels.
    if (pattern.devicePixelRatio() != painter.device()->devicePixelRatio())
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // A pattern that fits the rectangle exactly and sits on its grid is one plain copy; that is
    // every field of the board, so a repaint stays cheap.
    if (left % w == 0 && top % h == 0 && right - left == w && bottom - top == h) {
        painter.drawImage(left, top, pattern);
        return;
    }
    painter.setBrushOrigin(0, 0);
    painter.fillRect(QRect(left, top, right - left, bottom - top), QBrush(pattern));
}

void FillBoardRect(QImage& surface, const QImage& pattern, int left, int top, int right, int bottom) {
    QPainter painter(&surface);
    FillBoardRect(painter, pattern, left, top, right, bottom);
}

void DrawBoardFrame(QImage& board, const ThemeImages& images) {
    struct Target {
        int left, top, right, bottom;
    };
    static constexpr Target targets[9] = {
        {0, 0, 40, 40},      {440, 0, 480, 40},   {440, 440, 480, 480}, {0, 440, 40, 480}, {40, 0, 440, 40},
        {440, 40, 480, 440}, {40, 440, 440, 480}, {0, 40, 40, 440},     {120, 0, 360, 40},
    };
    QPainter painter(&board);
    const qreal ratio = board.devicePixelRatio();
    for (int i = 0; i < 9; ++i) {
        const Target& t = targets[i];
        FillBoardRect(painter, images.Frame(i, ratio), t.left, t.top, t.right, t.bottom);
    }
}

int ValueMarkIndex(std::int32_t v) {
    if (v <= 0) return -1;
    if (v <= 9) return v;
    if (v <= 29) return 0;
    if (v <= 49) return 10;
    return 11;
}

void DrawFields(QImage& board, const Board& fields, const ThemeImages& images, bool showFieldValues,
                int cellWidth, int cellHeight) {
    QPainter painter(&board);
    const qreal ratio = board.devicePixelRatio();
    auto fill = [&](const QImage& pattern, int i, int j) {
        FillBoardRect(painter, pattern, (i + 1) * cellWidth, (j + 1) * cellHeight, (i + 2) * cellWidth,
                      (j + 2) * cellHeight);
    };
    for (int i = 1; i <= boardSize; ++i)
        for (int j = 1; j <= boardSize; ++j) {
            const std::int32_t picture = fields[i][j].picture;
            if (picture >= 0 && picture < static_cast<int>(images.fieldBitmaps.size()))
                fill(images.Field(picture, ratio), i, j);
        }
    if (!showFieldValues) return;
    for (int i = 1; i <= boardSize; ++i)
        for (int j = 1; j <= boardSize; ++j)
            if (const int mark = ValueMarkIndex(fields[i][j].value); mark >= 0)
                fill(images.Value(mark, ratio), i, j);
}

void DrawField(QImage& board, const Board& fields, const ThemeImages& images, bool showFieldValues,
               int cellWidth, int cellHeight, int column, int row) {
    QPainter painter(&board);
    const qreal ratio = board.devicePixelRatio();
    const int left = (column + 1) * cellWidth, top = (row + 1) * cellHeight;
    const std::int32_t picture = fields[column][row].picture;
    if (picture >= 0 && picture < static_cast<int>(images.fieldBitmaps.size()))
        FillBoardRect(painter, images.Field(picture, ratio), left, top, left + cellWidth, top + cellHeight);
    if (!showFieldValues) return;
    if (const int mark = ValueMarkIndex(fields[column][row].value); mark >= 0)
        FillBoardRect(painter, images.Value(mark, ratio), left, top, left + cellWidth, top + cellHeight);
}

void DrawTurnIcon(QImage& turn, const ThemeImages& images, int playerOnMove) {
    const int entry = 6 + playerOnMove;
    if (entry < 7 || entry > 8) return;
    FillBoardRect(turn, images.Field(entry, turn.devicePixelRatio()), 0, 0, 20, 20);
}

}  // namespace karvelo
