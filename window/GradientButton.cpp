// SPDX-License-Identifier: GPL-3.0-or-later
#include "GradientButton.h"

#include "ButtonKeys.h"
#include "Face.h"
#include "FocusVisible.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <utility>

namespace batonnets {

namespace {

enum StateBit { Enabled = 1, Down = 2, Focused = 4, Hovered = 8 };

constexpr qreal Radius = 6.0;
constexpr int TextPadding = 6; // room kept free on each side of the caption
constexpr qreal RingWidth = 2.0;

// The contrast of two colours as WCAG 2 reckons it, from their relative luminance.
double luminance(QRgb c) {
    const auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}
double contrast(QRgb a, QRgb b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

GradientButton::GradientButton(const QString& caption, const QFont& font, QWidget* parent)
    : QAbstractButton(parent) {
    setText(caption);
    setFont(font);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
    // The accessible name is deliberately left unset: Qt then reports text(), which stays
    // right when the game relabels a button (Ouvrir <-> Fermer).
}

void GradientButton::setColours(const ButtonColours& colours) {
    colours_ = colours;
    stale_ = true;
    update();
}

QSize GradientButton::sizeHint() const {
    const QFontMetrics fm(font());
    return {fm.horizontalAdvance(text()) + 2 * TextPadding + 8, fm.height() + 12};
}

GradientButton::State GradientButton::currentState() const {
    int state = 0;
    if (isEnabled()) {
        state |= Enabled;
        if (isDown()) state |= Down;
        if (showsFocus(this)) state |= Focused;
        if (underMouse()) state |= Hovered;
    }
    return {state, size(), devicePixelRatioF(), text(), palette().color(QPalette::Window)};
}

void GradientButton::render(const State& state) {
    const qreal dpr = state.dpr;
    face_ = facePixmap(state.size, dpr);
    // The rounded corners are laid on the backdrop rather than left transparent: an
    // opaque face is a plain copy on every whole-window repaint, not a blend.
    face_.fill(state.backdrop);
    faceState_ = state;
    stale_ = false;
    if (state.size.isEmpty()) return;

    const ButtonColours& c = colours_;
    const bool enabled = state.state & Enabled;
    const bool down = state.state & Down;
    QColor top = enabled ? c.top : c.disabledTop;
    QColor bottom = enabled ? c.bottom : c.disabledBottom;
    if (state.state & Hovered && !down && c.hoverLighter != 100) {
        top = top.lighter(c.hoverLighter);
        bottom = bottom.lighter(c.hoverLighter);
    }
    if (down) {
        // Pressed: the light falls from below and the face sinks a little.
        std::swap(top, bottom);
        top = top.darker(115);
        bottom = bottom.darker(115);
    }
    const int edgeWidth = enabled ? c.edgeWidth : 1;
    const qreal inset = edgeWidth / 2.0; // the outline on whole pixels at any pixel ratio
    const QRectF outer =
        QRectF(QPointF(0, 0), QSizeF(state.size)).adjusted(inset, inset, -inset, -inset);

    {
        QPainter p(&face_);
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath shape;
        shape.addRoundedRect(outer, Radius, Radius);

        QLinearGradient face(outer.topLeft(), outer.bottomLeft());
        face.setColorAt(0, top);
        face.setColorAt(1, bottom);
        p.fillPath(shape, face);

        // A soft sheen on the upper half gives the face some relief; a pressed face has none.
        const int sheen = enabled ? c.sheen : c.disabledSheen;
        if (!down && sheen > 0) {
            QLinearGradient light(outer.topLeft(), QPointF(outer.left(), outer.center().y()));
            light.setColorAt(0, QColor(255, 255, 255, sheen));
            light.setColorAt(1, QColor(255, 255, 255, 0));
            p.save();
            p.setClipPath(shape);
            p.fillRect(QRectF(outer.left(), outer.top(), outer.width(), outer.height() / 2), light);
            p.restore();
        }

        p.setPen(QPen(enabled ? c.edge : c.disabledEdge, edgeWidth));
        p.setBrush(Qt::NoBrush);
        p.drawPath(shape);
    }

    // The focus ring takes, row by row, whichever of its colours stands out more against
    // the face there: read from the face before the caption is laid on it.
    // Laid on whole device pixels at any ratio (a 1.5x screen puts a 111-point side on a
    // half pixel): a ring that straddled them would blur thinner.
    const qreal ringWidth = std::ceil(RingWidth * dpr);
    const qreal ringInset = std::ceil(edgeWidth * dpr) + ringWidth / 2;
    const QRectF ring(QPointF(ringInset, ringInset) / dpr,
                      QPointF(std::floor(state.size.width() * dpr) - ringInset,
                              std::floor(state.size.height() * dpr) - ringInset) /
                          dpr);
    QPainterPath lightRows, darkRows;
    if (state.state & Focused) {
        const QImage pixels = face_.toImage();
        const int x = pixels.width() / 2;
        for (int y = 0; y < pixels.height(); ++y) {
            const QRgb under = pixels.pixel(x, y);
            QPainterPath& rows =
                contrast(under, c.focus.dark.rgb()) >= contrast(under, c.focus.light.rgb())
                    ? darkRows
                    : lightRows;
            rows.addRect(QRectF(0, y / dpr, state.size.width(), 1 / dpr));
        }
    }

    QPainter p(&face_);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // Shrink the caption only when it would not fit: a long caption stays whole and readable.
    QFont f = font();
    const int room = state.size.width() - 2 * TextPadding;
    while (QFontMetrics(f).horizontalAdvance(state.text) > room && f.pixelSize() > 8)
        f.setPixelSize(f.pixelSize() - 1);
    p.setFont(f);

    QRectF textRect = QRectF(QPointF(0, 0), QSizeF(state.size));
    if (down) textRect.translate(1, 1);
    if (enabled) {
        p.setPen(QColor(0, 0, 0, 120));
        p.drawText(textRect.translated(1, 1), Qt::AlignCenter, state.text);
        p.setPen(c.caption);
    } else if (c.disabledEngraving.alpha() > 0) {
        // Engraved grey caption: the classic "not available now" look.
        p.setPen(c.disabledEngraving);
        p.drawText(textRect.translated(1, 1), Qt::AlignCenter, state.text);
        p.setPen(c.disabledCaption);
    } else {
        p.setPen(c.disabledCaption);
    }
    p.drawText(textRect, Qt::AlignCenter, state.text);

    p.setBrush(Qt::NoBrush);
    const qreal ringRadius = Radius - ringInset / dpr + 0.5;
    for (const auto& [rows, colour] :
         {std::pair{&lightRows, c.focus.light}, {&darkRows, c.focus.dark}}) {
        if (rows->isEmpty()) continue;
        p.save();
        p.setClipPath(*rows);
        p.setPen(QPen(colour, ringWidth / dpr));
        p.drawRoundedRect(ring, ringRadius, ringRadius);
        p.restore();
    }
}

void GradientButton::paintEvent(QPaintEvent*) {
    const State state = currentState();
    if (stale_ || !(state == faceState_)) render(state);
    QPainter p(this);
    p.drawPixmap(0, 0, face_);
}

void GradientButton::keyPressEvent(QKeyEvent* event) {
    if (pressesButton(*event))
        click();
    else
        QAbstractButton::keyPressEvent(event);
}

void GradientButton::changeEvent(QEvent* event) {
    // Enabled state is read at paint time; QWidget already repaints on both changes.
    if (event->type() == QEvent::FontChange) stale_ = true;
    QAbstractButton::changeEvent(event);
}

} // namespace batonnets
