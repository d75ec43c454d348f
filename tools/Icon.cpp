// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the icon at any size, dropping the bevel and the dividers when there is no room.
#include "Icon.h"

#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace pictures {

namespace {

struct IconLayout {
    int slotX[5];
    int slotWidth;
    int slotTop, slotBottom;   // exclusive bottom
    int stickTop, stickBottom; // exclusive bottom
    double radius;
};

// Small sizes are laid out on whole pixels so that they stay crisp.
IconLayout iconLayout(int size) {
    if (size == 24) return {{2, 6, 10, 14, 18}, 3, 6, 18, 4, 20, 3.0};
    const int u = size / 16;
    IconLayout l{};
    for (int i = 0; i < 5; ++i)
        l.slotX[i] = (1 + 3 * i) * u;
    l.slotWidth = 2 * u;
    l.slotTop = 4 * u;
    l.slotBottom = 12 * u;
    l.stickTop = 3 * u;
    l.stickBottom = 13 * u;
    l.radius = 2.0 * u;
    return l;
}

constexpr bool kStickInSlot[5] = {true, true, false, true, false};

} // namespace

QImage drawIcon(int size) {
    const IconLayout l = iconLayout(size);
    const double u = size / 16.0;
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient ground(0, 0, 0, size);
    ground.setColorAt(0.0, QColor(150, 40, 36));
    ground.setColorAt(1.0, QColor(96, 20, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(ground);
    p.drawRoundedRect(QRectF(0, 0, size, size), l.radius, l.radius);
    if (size >= 32) {
        const double pen = std::max(1.0, u / 2.0);
        QLinearGradient bevel(0, 0, 0, size);
        bevel.setColorAt(0.0, QColor(214, 120, 100));
        bevel.setColorAt(1.0, QColor(50, 8, 8));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QBrush(bevel), pen));
        const double in = pen / 2.0;
        p.drawRoundedRect(QRectF(in, in, size - 2 * in, size - 2 * in), l.radius - in,
                          l.radius - in);
    }

    p.setPen(Qt::NoPen);
    for (int i = 0; i < 5; ++i) {
        const QRectF slot(l.slotX[i], l.slotTop, l.slotWidth, l.slotBottom - l.slotTop);
        QLinearGradient depth(0, l.slotTop, 0, l.slotBottom);
        depth.setColorAt(0.0, QColor(140, 112, 90));
        depth.setColorAt(1.0, QColor(34, 22, 18));
        p.fillRect(slot, depth);
    }

    // Tan dividers only once there is room for a gap wider than a pixel or two.
    const int gap = static_cast<int>(u);
    if (size >= 48) {
        const int lw = gap >= 8 ? gap / 4 : (gap % 2 == 1 ? 1 : 2);
        const int top = l.slotTop + gap;
        const int bottom = l.slotBottom - gap;
        for (int i = 0; i + 1 < 5; ++i) {
            const int x = l.slotX[i] + l.slotWidth + (gap - lw) / 2;
            p.fillRect(QRect(x, top, lw, bottom - top), QColor(226, 196, 146));
        }
    }

    for (int i = 0; i < 5; ++i) {
        if (!kStickInSlot[i]) continue;
        const QRectF stick(l.slotX[i], l.stickTop, l.slotWidth, l.stickBottom - l.stickTop);
        QLinearGradient round(stick.left(), 0, stick.right(), 0);
        round.setColorAt(0.0, QColor(250, 250, 246));
        round.setColorAt(0.45, QColor(228, 228, 224));
        round.setColorAt(1.0, QColor(150, 150, 148));
        if (size >= 48) {
            const double r = l.slotWidth / 3.0;
            const double pen = u / 4.0 >= 1.0 ? std::floor(u / 4.0) : 1.0;
            p.setPen(QPen(QColor(50, 48, 46), pen));
            p.setBrush(round);
            p.drawRoundedRect(stick.adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2), r, r);
            p.setPen(Qt::NoPen);
        } else {
            p.fillRect(stick, round);
        }
    }
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

} // namespace pictures
