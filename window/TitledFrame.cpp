// SPDX-License-Identifier: GPL-3.0-or-later
#include "TitledFrame.h"

#include "Face.h"

#include <QEvent>
#include <QLinearGradient>
#include <QPainter>

#include <cmath>

namespace batonnets {

TitledFrame::TitledFrame(const QString& title, QColor title1, QColor title2, int titleHeight,
                         QColor back2, const QFont& font, QWidget* parent)
    : QWidget(parent), title_(title), title1_(title1), title2_(title2), titleHeight_(titleHeight),
      back2_(back2) {
    setFont(font);
    setAccessibleName(title);
}

void TitledFrame::render() {
    const qreal dpr = devicePixelRatioF();
    const QSize sz = size();
    face_ = facePixmap(sz, dpr);
    face_.fill(back2_);
    faceSize_ = sz;
    faceDpr_ = dpr;
    dirty_ = false;
    if (sz.isEmpty()) return;

    QPainter p(&face_);
    p.setRenderHint(QPainter::TextAntialiasing);

    const QRect band(0, 0, sz.width(), titleHeight_);
    QLinearGradient grad(band.topLeft(), band.topRight());
    grad.setColorAt(0, title1_);
    grad.setColorAt(1, title2_);
    p.fillRect(band, grad);

    // Centred over the middle of the gradient, where a white caption contrasts best
    // whatever the two colours; a faint shadow keeps it legible on light ends.
    p.setFont(font());
    const QRect textRect = band.adjusted(4, 0, -4, 0);
    p.setPen(QColor(0, 0, 0, 110));
    p.drawText(textRect.translated(1, 1), Qt::AlignCenter, title_);
    p.setPen(Qt::white);
    p.drawText(textRect, Qt::AlignCenter, title_);

    // Thin border in the dark title colour ties band and body together.
    // Half-pixel geometry keeps the 1 px lines on whole pixels at any device pixel ratio.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(title2_, 1));
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
