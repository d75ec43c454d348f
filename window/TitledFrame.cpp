// SPDX-License-Identifier: GPL-3.0-or-later
#include "TitledFrame.h"

#include "Face.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include <cmath>
#include <utility>

namespace batonnets {

namespace {

// The font and the rectangle a caption is drawn in, placed by its ink rather than by its
// font's line, whose descent alone may be taller than the room under the baseline. `draw`
// paints the caption, shadow and all, centred in a rectangle. It stays centred in `rect`
// when all its ink lies inside `room` with a device pixel to spare; otherwise it moves
// into `room` by whole device pixels (its glyphs drawn the same), and takes a pixel less
// only while its ink is taller or wider than `room`.
template <typename Draw>
std::pair<QFont, QRectF> fitCaption(QFont font, const QRectF& rect, const QRectF& room, qreal dpr,
                                    const Draw& draw) {
    const auto device = [dpr](qreal logical, bool end) {
        return static_cast<int>(end ? std::floor(logical * dpr) : std::ceil(logical * dpr));
    };
    const QRect spare(QPoint(device(room.left(), false) + 1, device(room.top(), false) + 1),
                      QPoint(device(room.right(), true) - 2, device(room.bottom(), true) - 2));
    // The ink is measured on a canvas with a font's height free around `rect`, where no
    // glyph is cut, offset from the face by whole device pixels.
    for (;;) {
        const int margin = static_cast<int>(std::ceil(QFontMetricsF(font).height() * dpr));
        const QRect area(QPoint(device(rect.left(), false), device(rect.top(), false)),
                         QPoint(device(rect.right(), true), device(rect.bottom(), true)));
        QImage canvas(area.right() + 1 + 2 * margin, area.bottom() + 1 + 2 * margin,
                      QImage::Format_ARGB32_Premultiplied);
        canvas.setDevicePixelRatio(dpr);
        canvas.fill(Qt::transparent);
        {
            QPainter p(&canvas);
            p.setRenderHint(QPainter::TextAntialiasing);
            p.translate(QPointF(margin, margin) / dpr);
            p.setFont(font);
            draw(p, rect);
        }
        QRect ink;
        for (int y = 0; y < canvas.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
            for (int x = 0; x < canvas.width(); ++x)
                if (qAlpha(line[x]) != 0) ink |= QRect(x - margin, y - margin, 1, 1);
        }
        const auto into = [](int first, int last, int lowest, int highest) {
            return first < lowest ? lowest - first : last > highest ? highest - last : 0;
        };
        const QPointF shift(into(ink.left(), ink.right(), spare.left(), spare.right()),
                            into(ink.top(), ink.bottom(), spare.top(), spare.bottom()));
        if (ink.isEmpty()) return {font, rect};
        const bool fits = ink.width() <= spare.width() && ink.height() <= spare.height();
        if (fits || font.pixelSize() <= 8) return {font, rect.translated(shift / dpr)};
        font.setPixelSize(font.pixelSize() - 1);
    }
}

} // namespace

TitledFrame::TitledFrame(const QString& title, int titleHeight, const QFont& font, QWidget* parent)
    : QWidget(parent), title_(title), titleHeight_(titleHeight) {
    setFont(font);
    setAccessibleName(title);
}

void TitledFrame::setColours(const FrameColours& colours) {
    colours_ = colours;
    dirty_ = true;
    update();
}

void TitledFrame::setTitle(const QString& title) {
    title_ = title;
    setAccessibleName(title);
    dirty_ = true;
    update();
}

void TitledFrame::render() {
    const qreal dpr = devicePixelRatioF();
    const QSize sz = size();
    face_ = facePixmap(sz, dpr);
    face_.fill(colours_.body);
    faceSize_ = sz;
    faceDpr_ = dpr;
    dirty_ = false;
    if (sz.isEmpty()) return;

    QPainter p(&face_);
    p.setRenderHint(QPainter::TextAntialiasing);

    const QRect band(0, 0, sz.width(), titleHeight_);
    QLinearGradient grad(band.topLeft(), band.topRight());
    grad.setColorAt(0, colours_.band1);
    grad.setColorAt(1, colours_.band2);
    p.fillRect(band, grad);

    // Centred over the middle of the gradient, where a light caption contrasts best
    // whatever the two colours; a faint shadow keeps it legible on light ends. Every glyph
    // whole inside the band's border, 4 px free on each side.
    const auto drawTitle = [this](QPainter& q, const QRectF& r) {
        q.setPen(colours_.titleShadow);
        q.drawText(r.translated(1, 1), Qt::AlignCenter, title_);
        q.setPen(colours_.title);
        q.drawText(r, Qt::AlignCenter, title_);
    };
    const auto [titleFont, titleRect] =
        fitCaption(font(), QRectF(band.adjusted(4, 0, -4, 0)), QRectF(band.adjusted(4, 1, -4, -1)),
                   dpr, drawTitle);
    p.setFont(titleFont);
    drawTitle(p, titleRect);

    // Thin border in the dark title colour ties band and body together.
    // Half-pixel geometry keeps the 1 px lines on whole pixels at any device pixel ratio.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colours_.band2, 1));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(0, titleHeight_ - 0.5), QPointF(sz.width(), titleHeight_ - 0.5));
    p.drawRect(QRectF(0.5, 0.5, sz.width() - 1, sz.height() - 1));
}

void TitledFrame::paintEvent(QPaintEvent*) {
    if (dirty_ || faceSize_ != size() || faceDpr_ != devicePixelRatioF()) render();
    QPainter p(this);
    p.drawPixmap(0, 0, face_);
}

void TitledFrame::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) dirty_ = true;
    QWidget::changeEvent(event);
}

} // namespace batonnets
