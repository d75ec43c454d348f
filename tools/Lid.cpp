// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the lid: leather texture, frame facets, text with shadows, the wood-grained handle.
#include "Lid.h"

#include "Texture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

namespace pictures {

namespace {

constexpr int kLidWidth = 857;
constexpr int kLidHeight = 286;
constexpr int kFrame = 15;
constexpr int kHandleLeft = 802;
constexpr int kHandleRight = 848; // inclusive

} // namespace

QImage drawLid(const Fonts& fonts, const LidTexts& texts, int s, bool highContrast) {
    static const ValueNoise mottle(0x1EA7E4ULL);
    static const ValueNoise wood(0x3A1E5ULL);

    // Title and rules, centred on the panel left of the handle.
    const double centre = (kFrame + kHandleLeft) / 2.0;
    const QPainterPath title =
        centredText(makeFont(fonts.serif, 68, true, true), texts.title, centre, 118);
    const QFont rules = makeFont(fonts.sans, 21, true, false);
    const QPainterPath rule1 = centredText(rules, texts.rule1, centre, 184);
    const QPainterPath rule2 = centredText(rules, texts.rule2, centre, 216);
    for (const QPainterPath& line : {title, rule1, rule2})
        if (line.boundingRect().width() > LidLineRoom) return QImage();

    // Leather-like panel: broad soft blotches with a slight horizontal stretch. In high
    // contrast the same leather, tanned darker, under lettering close to white: the rules
    // then read at 7:1 and more against its lightest blotches.
    const QColor leatherDark = highContrast ? QColor(34, 12, 8) : QColor(92, 36, 26);
    const QColor leatherLight = highContrast ? QColor(78, 34, 22) : QColor(158, 78, 50);
    QImage img = texture(kLidWidth, kLidHeight, s, [&](double x, double y) {
        const double broad = mottle.fbm(x / 120.0, y / 55.0, 5);
        const double fine = mottle.fbm(x / 9.0 + 100.0, y / 6.0 + 100.0, 2);
        const double t = 0.85 * broad + 0.15 * fine;
        return mix(leatherDark, leatherLight, (t - 0.25) * 2.0);
    });

    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(s, s);

    // Frame: dark red moulding, bevelled with light from the top left.
    const double w = kLidWidth;
    const double h = kLidHeight;
    const double f = kFrame;
    const QColor frame(110, 22, 20);
    QPainterPath outer;
    outer.addRect(0, 0, w, h);
    QPainterPath inner;
    inner.addRect(f, f, w - 2 * f, h - 2 * f);
    p.fillPath(outer.subtracted(inner), frame);
    auto facet = [&p](QPolygonF poly, QColor c) {
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawPolygon(poly);
    };
    facet(QPolygonF({{0, 0}, {w, 0}, {w - f, f}, {f, f}}), QColor(255, 170, 150, 55));
    facet(QPolygonF({{0, 0}, {f, f}, {f, h - f}, {0, h}}), QColor(255, 170, 150, 30));
    facet(QPolygonF({{w, 0}, {w, h}, {w - f, h - f}, {w - f, f}}), QColor(0, 0, 0, 55));
    facet(QPolygonF({{0, h}, {f, h - f}, {w - f, h - f}, {w, h}}), QColor(0, 0, 0, 80));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(40, 6, 6), 1.0));
    p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
    p.drawRect(QRectF(f - 0.5, f - 0.5, w - 2 * f + 1, h - 2 * f + 1));
    p.setPen(QPen(QColor(0, 0, 0, 70), 2.0));
    p.drawLine(QPointF(f + 1, f + 1), QPointF(w - f, f + 1));
    p.drawLine(QPointF(f + 1, f + 1), QPointF(f + 1, h - f));

    // The title and the rules.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 4, 2, 110));
    p.drawPath(title.translated(3, 4));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(52, 18, 8), 4.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(title);
    QLinearGradient gilt(0, 64, 0, 120);
    gilt.setColorAt(0.0, highContrast ? QColor(255, 248, 226) : QColor(246, 226, 178));
    gilt.setColorAt(0.55, highContrast ? QColor(255, 240, 206) : QColor(222, 188, 128));
    gilt.setColorAt(1.0, highContrast ? QColor(250, 228, 186) : QColor(188, 146, 88));
    p.setPen(Qt::NoPen);
    p.setBrush(gilt);
    p.drawPath(title);

    for (const QPainterPath& rule : {rule1, rule2}) {
        p.setBrush(QColor(30, 6, 4, 140));
        p.drawPath(rule.translated(1.2, 1.5));
        p.setBrush(highContrast ? QColor(255, 248, 228) : QColor(238, 218, 176));
        p.drawPath(rule);
    }

    // The handle: a wooden bar with vertical grain, slightly rounded by shading.
    const double hx = kHandleLeft;
    const double hw = kHandleRight - kHandleLeft + 1;
    const QRectF handle(hx, 4, hw, h - 8);
    const QImage grain = texture(kLidWidth, kLidHeight, s, [](double x, double y) {
        const double warp = 7.0 * wood.fbm(x / 30.0, y / 160.0, 3);
        const double rings = 0.5 + 0.5 * std::sin((x + warp) * 1.1);
        const double fibre = wood.fbm(x / 1.5, y / 40.0, 2);
        const double t = 0.55 * rings + 0.45 * fibre;
        return mix(QColor(104, 62, 34), QColor(170, 116, 66), t);
    });
    p.save();
    p.resetTransform();
    p.setPen(Qt::NoPen);
    p.setBrush(QBrush(grain));
    p.drawRect(QRectF(handle.x() * s, handle.y() * s, handle.width() * s, handle.height() * s));
    p.restore();
    QLinearGradient bulge(hx, 0, hx + hw, 0);
    bulge.setColorAt(0.0, QColor(0, 0, 0, 60));
    bulge.setColorAt(0.3, QColor(255, 230, 190, 40));
    bulge.setColorAt(0.55, QColor(255, 230, 190, 0));
    bulge.setColorAt(1.0, QColor(0, 0, 0, 90));
    p.fillRect(handle, bulge);
    p.fillRect(QRectF(hx - 3, 6, 3, h - 10), QColor(0, 0, 0, 50)); // shadow on the panel
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(214, 184, 132), 1.0));
    p.drawRect(handle.adjusted(0.5, 0.5, -0.5, -0.5));
    return img;
}

} // namespace pictures
