// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Rows of lists and drop-downs that show every Czech letter whole. A view makes a row as tall as
// the font's line and clips the row to it, but the háček over a capital and the tail of "ý" reach
// beyond the line of a small font: "Šimon" would read "Simon". Header-only, compiled into each
// program on its own.
//   - A drop-down's open list may grow: its rows get the room on both sides of the centred text,
//     painted by the drop-down's own delegate, so its look stays.
//   - A list of fixed height must not: ten names still fit without a scroll bar. Its rows are as
//     tall as the letters' ink, and the text stands where the ink fits.

#include <QAbstractItemDelegate>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QModelIndex>
#include <QPainter>
#include <QPointer>
#include <QStringLiteral>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QStyledItemDelegate>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace czech_rows {

// Every letter of Czech with its marks, and the Latin letters that reach lowest.
inline QString Letters() { return QStringLiteral("ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽáčďéěíňóřšťúůýžgjpqy"); }

// Where the letters leave ink, in logical pixels from the baseline (top negative), as drawn at the
// given device pixel ratio: the font's metrics are rounded outwards and are a pixel too generous.
inline QRectF Ink(const QFont& font, qreal ratio) {
    const QFontMetricsF metrics(font);
    const qreal margin = metrics.height();
    const qreal baseline = std::ceil(2 * margin);
    QImage canvas(QSizeF(metrics.horizontalAdvance(Letters()) + 2 * margin, 4 * margin).toSize() * ratio,
                  QImage::Format_RGB32);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(margin, baseline), Letters());
    painter.end();
    int top = -1, bottom = -1;
    for (int y = 0; y < canvas.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
        if (std::any_of(line, line + canvas.width(),
                        [](QRgb pixel) { return pixel != qRgb(255, 255, 255); })) {
            if (top < 0) top = y;
            bottom = y + 1;
        }
    }
    if (top < 0) return metrics.tightBoundingRect(Letters());
    return QRectF(0, top / ratio - baseline, metrics.horizontalAdvance(Letters()), (bottom - top) / ratio);
}

// The height of a drop-down row whose text is centred on the font's line and shows every letter.
inline int CentredRowHeight(const QFont& font, const QRectF& ink) {
    const QFontMetricsF metrics(font);
    const qreal overTop = std::max<qreal>(0, -ink.top() - metrics.ascent());
    const qreal belowBottom = std::max<qreal>(0, ink.bottom() - metrics.descent());
    return static_cast<int>(std::ceil(metrics.height() + 2 * std::max(overTop, belowBottom)));
}

namespace detail {

inline qreal RatioOf(const QStyleOptionViewItem& option) {
    return option.widget ? option.widget->devicePixelRatioF() : qApp->devicePixelRatio();
}

// The ink measured once for each font and density, not for every row.
class InkCache {
public:
    QRectF operator()(const QFont& font, qreal ratio) const {
        if (font != font_ || ratio != ratio_) {
            font_ = font;
            ratio_ = ratio;
            ink_ = Ink(font, ratio);
        }
        return ink_;
    }

private:
    mutable QFont font_;
    mutable qreal ratio_ = 0;
    mutable QRectF ink_;
};

// Paints with the drop-down's own delegate; only the rows grow.
class CentredRows final : public QAbstractItemDelegate {
public:
    CentredRows(QAbstractItemDelegate* painter, QObject* parent)
        : QAbstractItemDelegate(parent), painter_(painter) {}

    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        if (painter_) painter_->paint(p, option, index);
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = painter_ ? painter_->sizeHint(option, index) : QSize();
        size.setHeight(
            std::max(size.height(), CentredRowHeight(option.font, ink_(option.font, RatioOf(option)))));
        return size;
    }

private:
    QPointer<QAbstractItemDelegate> painter_;
    InkCache ink_;
};

// A list row as the style paints it (background, selection, focus), with the text placed by its ink.
class InkRows final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QWidget* widget = opt.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget);
        const QString text = opt.text;
        opt.text.clear();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, p, widget);

        const qreal ratio = RatioOf(opt);
        const QRectF ink = ink_(opt.font, ratio);
        // The ink centred in the row, the baseline on a whole device pixel.
        const qreal baseline =
            std::round((opt.rect.top() + (opt.rect.height() - ink.height()) / 2 - ink.top()) * ratio) / ratio;
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
        const QFontMetricsF metrics(opt.font);
        const QPalette::ColorGroup group = !(opt.state & QStyle::State_Enabled) ? QPalette::Disabled
                                           : (opt.state & QStyle::State_Active) ? QPalette::Normal
                                                                                : QPalette::Inactive;
        p->save();
        p->setFont(opt.font);
        p->setPen(opt.palette.color(group, (opt.state & QStyle::State_Selected) ? QPalette::HighlightedText
                                                                                : QPalette::Text));
        p->drawText(QPointF(textRect.left() + margin, baseline),
                    metrics.elidedText(text, opt.textElideMode, textRect.width() - 2 * margin));
        p->restore();
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(static_cast<int>(std::ceil(ink_(option.font, RatioOf(option)).height())));
        return size;
    }

private:
    InkCache ink_;
};

}  // namespace detail

// A list of fixed height.
inline void Fit(QAbstractItemView& list) {
    if (dynamic_cast<detail::InkRows*>(list.itemDelegate())) return;
    list.setItemDelegate(new detail::InkRows(&list));
}

namespace detail {

inline void SetCentredRows(QComboBox& combo) {
    QAbstractItemView& view = *combo.view();
    // The delegate is set on the view itself: the drop-down would delete the one that keeps painting.
    if (!dynamic_cast<CentredRows*>(view.itemDelegate()))
        view.setItemDelegate(new CentredRows(view.itemDelegate(), &combo));
}

// Waits for the drop-down's first showing: the open list's view is made when first asked for, and
// a window with six drop-downs on pages not yet open would otherwise make six at start-up.
class FitWhenShown final : public QObject {
public:
    explicit FitWhenShown(QComboBox& combo) : QObject(&combo) { combo.installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            SetCentredRows(static_cast<QComboBox&>(*watched));
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

}  // namespace detail

// The open list of a drop-down, from the time it is first shown.
inline void Fit(QComboBox& combo) {
    if (combo.isVisible()) return detail::SetCentredRows(combo);
    for (QObject* child : combo.children())
        if (dynamic_cast<detail::FitWhenShown*>(child)) return;
    new detail::FitWhenShown(combo);
}

}  // namespace czech_rows
