// SPDX-License-Identifier: GPL-3.0-or-later
#include "StatusLabel.h"

#include "Face.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

#include <cmath>

namespace batonnets {

namespace {
constexpr int TextPadding = 4;
}

StatusLabel::StatusLabel(const QFont& font, QWidget* parent) : QWidget(parent) {
    setFont(font);
}

void StatusLabel::setColours(const LabelColours& colours) {
    colours_ = colours;
    dirty_ = true;
    update();
}

void StatusLabel::setCaption(const QString& text) {
    if (text == caption_) return;
    caption_ = text;
    setAccessibleName(text);
    dirty_ = true;
    update();
}

QString StatusLabel::caption() const {
    return caption_;
}

void StatusLabel::setForeColor(QColor c) {
    if (c == fore_) return;
    fore_ = c;
    dirty_ = true;
    update();
}

QColor StatusLabel::foreColor() const {
    return fore_;
}

void StatusLabel::setFlag(bool on) {
    flag_ = on;
}

bool StatusLabel::flag() const {
    return flag_;
}

void StatusLabel::render() {
    const qreal dpr = devicePixelRatioF();
    const QSize sz = size();
    face_ = facePixmap(sz, dpr);
    face_.fill(colours_.back);
    faceSize_ = sz;
    faceDpr_ = dpr;
    dirty_ = false;
    if (sz.isEmpty()) return;

    QPainter p(&face_);
    // Half-pixel rectangle: a crisp 1 px border on every edge at any device pixel ratio.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colours_.border, 1));
    p.drawRect(QRectF(0.5, 0.5, sz.width() - 1, sz.height() - 1));

    // A message longer than the panel is set smaller rather than cut off.
    QFont f = font();
    const int room = sz.width() - 2 * TextPadding;
    while (QFontMetrics(f).horizontalAdvance(caption_) > room && f.pixelSize() > 8)
        f.setPixelSize(f.pixelSize() - 1);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(f);
    p.setPen(colours_.textDarker == 100 ? fore_ : fore_.darker(colours_.textDarker));
    p.drawText(QRect(QPoint(0, 0), sz), Qt::AlignCenter, caption_);
}

void StatusLabel::paintEvent(QPaintEvent*) {
    if (dirty_ || faceSize_ != size() || faceDpr_ != devicePixelRatioF()) render();
    QPainter p(this);
    p.drawPixmap(0, 0, face_);
}

void StatusLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) dirty_ = true;
    QWidget::changeEvent(event);
}

} // namespace batonnets
