// SPDX-License-Identifier: GPL-3.0-or-later
// Draws a board: grained leather, a bevelled rim, the slots lit from above, the dividing rods.
#include "Board.h"

#include "Texture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace pictures {

namespace {

const QColor kWindowBackground(128, 64, 64);
constexpr int kBoardWidth = 857;
constexpr int kBoardHeight = 327;
constexpr int kSlotTop = 52;     // first row of every slot
constexpr int kSlotBottom = 275; // last row
constexpr int kLineTop = 63;     // dividing lines are shorter than the slots
constexpr int kLineBottom = 265;
constexpr int kLineWidth = 4;

} // namespace

BoardLayout layout20() {
    BoardLayout b;
    for (int k = 0; k <= 20; ++k)
        b.lineLeft.push_back(6 + 42 * k);
    b.recesses.push_back({18, 39});
    for (int k = 1; k < 20; ++k)
        b.recesses.push_back({16 + 42 * k, 41 + 42 * k});
    return b;
}

BoardLayout layout21() {
    BoardLayout b;
    b.lineLeft.push_back(6);
    for (int k = 0; k <= 20; ++k)
        b.lineLeft.push_back(43 + 40 * k);
    b.recesses.push_back({16, 36});
    for (int k = 1; k <= 20; ++k)
        b.recesses.push_back({13 + 40 * k, 36 + 40 * k});
    return b;
}

QColor boardBase(double y) {
    const double t = y / kBoardHeight;
    return QColor::fromRgb(mix(QColor(104, 34, 32), QColor(74, 20, 20), t));
}

QImage drawBoard(const BoardLayout& layout, int s) {
    static const ValueNoise grain(0xB0A7D5EEDULL);
    QImage img(kBoardWidth * s, kBoardHeight * s, QImage::Format_RGB32);
    img.fill(kWindowBackground);

    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    // A faint leather grain keeps the large flat areas from looking like plastic.
    const QImage surface = texture(kBoardWidth, kBoardHeight, s, [](double x, double y) {
        const QColor base = boardBase(y);
        const double n = grain.fbm(x / 70.0, y / 40.0, 4) - 0.5;
        const double f = 1.0 + 0.16 * n;
        return qRgb(clamp255(base.red() * f), clamp255(base.green() * f),
                    clamp255(base.blue() * f));
    });
    QPainterPath body;
    body.addRoundedRect(QRectF(0, 0, kBoardWidth * s, kBoardHeight * s), 9.0 * s, 9.0 * s);
    p.fillPath(body, QBrush(surface));

    p.scale(s, s);

    // Bevel: lit along the top, in shadow along the bottom, with a dark rim against the window.
    QLinearGradient bevel(0, 0, 0, kBoardHeight);
    bevel.setColorAt(0.0, QColor(176, 96, 84));
    bevel.setColorAt(0.5, QColor(120, 50, 44));
    bevel.setColorAt(1.0, QColor(44, 10, 10));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(bevel), 2.0));
    p.drawRoundedRect(QRectF(1.5, 1.5, kBoardWidth - 3.0, kBoardHeight - 3.0), 8.0, 8.0);
    p.setPen(QPen(QColor(52, 14, 14), 1.0));
    p.drawRoundedRect(QRectF(0.5, 0.5, kBoardWidth - 1.0, kBoardHeight - 1.0), 8.5, 8.5);

    // The slots: recesses lit from above, so their top shows grey-brown wood and their
    // bottom falls into shadow.
    const int slotHeight = kSlotBottom - kSlotTop + 1;
    p.setPen(Qt::NoPen);
    for (const Columns& c : layout.recesses) {
        const int w = c.last - c.first + 1;
        const QRectF slot(c.first, kSlotTop, w, slotHeight);

        // Rim around the hole: shadow on the upper and left edges, light on the others.
        p.fillRect(QRectF(c.first - 1, kSlotTop - 1, w + 1, 1), QColor(30, 6, 6, 150));
        p.fillRect(QRectF(c.first - 1, kSlotTop, 1, slotHeight), QColor(30, 6, 6, 110));
        p.fillRect(QRectF(c.first, kSlotBottom + 1, w + 1, 1), QColor(200, 120, 100, 90));
        p.fillRect(QRectF(c.last + 1, kSlotTop, 1, slotHeight + 1), QColor(200, 120, 100, 60));

        QLinearGradient depth(0, kSlotTop, 0, kSlotBottom + 1);
        depth.setColorAt(0.0, QColor(128, 106, 90));
        depth.setColorAt(0.3, QColor(92, 72, 60));
        depth.setColorAt(0.75, QColor(50, 36, 32));
        depth.setColorAt(1.0, QColor(28, 20, 18));
        p.fillRect(slot, depth);

        // Inner walls: the left and top ones are in shadow.
        QLinearGradient leftWall(c.first, 0, c.first + 4, 0);
        leftWall.setColorAt(0.0, QColor(0, 0, 0, 120));
        leftWall.setColorAt(1.0, QColor(0, 0, 0, 0));
        p.fillRect(QRectF(c.first, kSlotTop, 4, slotHeight), leftWall);
        QLinearGradient topWall(0, kSlotTop, 0, kSlotTop + 5);
        topWall.setColorAt(0.0, QColor(0, 0, 0, 140));
        topWall.setColorAt(1.0, QColor(0, 0, 0, 0));
        p.fillRect(QRectF(c.first, kSlotTop, w, 5), topWall);
        p.fillRect(QRectF(c.last, kSlotTop, 1, slotHeight), QColor(255, 220, 200, 28));
    }

    // Dividing lines: small tan rods, rounded on the left, with a soft shadow to the right.
    const int lineHeight = kLineBottom - kLineTop + 1;
    for (int left : layout.lineLeft) {
        p.fillRect(QRectF(left + kLineWidth, kLineTop + 1, 1, lineHeight), QColor(20, 4, 4, 70));
        QLinearGradient rod(left, 0, left + kLineWidth, 0);
        rod.setColorAt(0.0, QColor(236, 212, 166));
        rod.setColorAt(0.35, QColor(218, 188, 138));
        rod.setColorAt(0.75, QColor(186, 150, 102));
        rod.setColorAt(1.0, QColor(136, 102, 66));
        p.setBrush(rod);
        p.drawRoundedRect(QRectF(left, kLineTop, kLineWidth, lineHeight), 1.2, 1.2);
    }
    return img;
}

} // namespace pictures
