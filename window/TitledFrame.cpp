// SPDX-License-Identifier: GPL-3.0-or-later
#include "TitledFrame.h"

#include "Face.h"

#include <QEvent>
#include <QLinearGradient>
#include <QPainter>

#include <cmath>

namespace batonnets {

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
    // whatever the two colours; a faint shadow keeps it legible on light ends.
    p.setFont(font());
    const QRect textRect = band.adjusted(4, 0, -4, 0);
    p.setPen(colours_.titleShadow);
    p.drawText(textRect.translated(1, 1), Qt::AlignCenter, title_);
    p.setPen(colours_.title);
    p.drawText(textRect, Qt::AlignCenter, title_);

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
