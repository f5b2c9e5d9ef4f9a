// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QPainter>
#include <QString>

namespace artwork {

// Registers Tahoma (regular and bold) from the Wine font folder and returns its family name,
// or "DejaVu Sans" when it is not installed. Needs the GUI application to exist.
QString RegisterTextFont();

QFont TextFont(const QString& family, int pixelSize, bool bold);

// Draws `text` centred on `centre` (horizontally on its x, its baseline at its y), filled with
// `fill`, with an outline of `outlineWidth` pixels and a soft shadow one pixel down right.
void DrawOutlinedText(QPainter& painter, const QString& text, const QFont& font, QPointF centre,
                      const QBrush& fill, const QColor& outline, double outlineWidth);

}  // namespace artwork
