// SPDX-License-Identifier: GPL-3.0-or-later
#include "karvelo/title_picture.h"

#include "common/picture_file.h"
#include "karvelo/drawing.h"

#include <QPainter>

namespace karvelo {

namespace {

constexpr int titleEntry = 9;
constexpr int stripRows = 32;  // of device pixels: 123 kB for the shipped twin

// False when the twin is missing, damaged, not plain 24-bit or not twice `logical`, or comes up
// short while drawn; rows drawn before that stay for the caller to paint over.
bool PaintTwinInStrips(QPainter& painter, const QString& path, QSize logical) {
    QFile stream(picture_file::TwinPath(path));
    QByteArray bytes;
    QString detail;
    if (picture_file::OpenChecked(stream, bytes, detail) != picture_file::Failure::none) return false;
    const std::string_view head(bytes.constData(), std::size_t(bytes.size()));
    if (!picture_file::IsPlain24(head)) return false;
    const picture_file::Plain24Rows layout(head);
    if (QSize(layout.width, layout.rows) != logical * 2) return false;

    QImage buffer(layout.width, stripRows, QImage::Format_RGB32);
    const QRect dirty =
        painter.hasClipping() ? painter.clipBoundingRect().toAlignedRect() : QRect(QPoint(), logical);
    for (int top = 0; top < layout.rows; top += stripRows) {
        const int count = qMin(stripRows, layout.rows - top);
        if (!dirty.intersects(QRect(0, top / 2, logical.width(), (count + 1) / 2))) continue;
        QImage strip(buffer.bits(), layout.width, count, buffer.bytesPerLine(), QImage::Format_RGB32);
        if (!picture_file::DecodePlain24Strip(stream, head, top, strip)) return false;
        strip.setDevicePixelRatio(2.0);
        painter.drawImage(QPointF(0, top / 2.0), strip);
    }
    return true;
}

}  // namespace

void PaintTitlePicture(QPainter& painter, const ThemeImages& images) {
    const qreal ratio = painter.device()->devicePixelRatio();
    const QImage& single = images.frameBitmaps[titleEntry];
    const QSize logical = picture_file::LogicalSize(single);
    if (ratio == 2.0 && logical == QSize(480, 480) &&
        PaintTwinInStrips(painter, images.twins[titleEntry].path, logical))
        return;
    FillBoardRect(painter, images.Frame(titleEntry, ratio), 0, 0, 480, 480);
    images.ReleaseFrameTwin(titleEntry);  // drawn so seldom that keeping it is the larger cost
}

}  // namespace karvelo
