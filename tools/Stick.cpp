// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the stick over the board colours it stands on, so the JPEG's corners blend in.
#include "Stick.h"

#include "Board.h"

#include <QLinearGradient>
#include <QPainter>

namespace pictures {

namespace {

constexpr int kStickWidth = 24;
constexpr int kStickHeight = 252;
constexpr int kStickTopRow = 36; // where the game stands it on the board

} // namespace

QImage drawStick(int s) {
    QImage img(kStickWidth * s, kStickHeight * s, QImage::Format_RGB32);
    // JPEG has no alpha: the few pixels outside the rounded ends take the colour of the
    // board they are shown over (the ends overhang the board above and below the slot).
    img.fill(boardBase(kStickTopRow + 2));
    {
        QPainter bottom(&img);
        bottom.fillRect(QRect(0, img.height() / 2, img.width(), img.height() / 2),
                        boardBase(kStickTopRow + kStickHeight - 3));
    }

    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(s, s);

    const QRectF rod(0.5, 0.5, kStickWidth - 1.0, kStickHeight - 1.0);
    QLinearGradient round(0, 0, kStickWidth, 0);
    round.setColorAt(0.0, QColor(178, 178, 174));
    round.setColorAt(0.2, QColor(240, 240, 236));
    round.setColorAt(0.38, QColor(230, 230, 226));
    round.setColorAt(0.75, QColor(176, 176, 172));
    round.setColorAt(1.0, QColor(118, 118, 116));
    p.setPen(Qt::NoPen);
    p.setBrush(round);
    p.drawRoundedRect(rod, 4.5, 4.5);

    // The rounded ends turn away from the light: a short darkening at each end.
    QLinearGradient ends(0, 0, 0, kStickHeight);
    const double e = 7.0 / kStickHeight;
    ends.setColorAt(0.0, QColor(40, 40, 40, 90));
    ends.setColorAt(e, QColor(40, 40, 40, 0));
    ends.setColorAt(1.0 - e, QColor(40, 40, 40, 0));
    ends.setColorAt(1.0, QColor(40, 40, 40, 110));
    p.setBrush(ends);
    p.drawRoundedRect(rod, 4.5, 4.5);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(58, 56, 54), 1.0));
    p.drawRoundedRect(rod, 4.5, 4.5);
    return img;
}

} // namespace pictures
